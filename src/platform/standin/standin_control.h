// What tests use to drive the stand-in platform and read back what the
// program did with it. StandinReset() puts every piece back to the state of a
// fresh process on a 64-bit Windows: a grey-on-black console, no PROMPT, no
// keys waiting, and the server parameters key present without a HIDDEN value.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform.h"

// ---- Console ----------------------------------------------------------------
struct StandinConsole {
    WORD attributes = 7;
    bool readable = true;  // GetConsoleScreenBufferInfo succeeds
    bool accepts = true;   // SetConsoleTextAttribute succeeds
};

// One printf call: its text and the console attribute it was shown in.
struct PrintedText {
    std::string text;
    WORD attributes;
};

// A run of output shown in one attribute (adjacent prints merged).
struct ColouredStretch {
    WORD attributes;
    std::string text;
    bool operator==(const ColouredStretch& other) const { return attributes == other.attributes && text == other.text; }
};

StandinConsole& StandinConsoleState();
const std::vector<PrintedText>& StandinPrinted();
std::string StandinOutput();                      // all text printed, in order
std::vector<ColouredStretch> StandinStretches();  // text grouped by attribute
std::vector<WORD> StandinAttributeWrites();       // each SetConsoleTextAttribute argument

// ---- Environment and keyboard ---------------------------------------------
void StandinSetEnvironment(const std::string& name, const std::string& value);
void StandinPressKeys(const std::string& keys);
int StandinGetchCalls();

// ---- Registry -----------------------------------------------------------------
struct RegistryValue {
    DWORD type;
    std::vector<BYTE> data;
};

// Path of the one key the program uses, under HKEY_LOCAL_MACHINE.
extern const char* const StandinServerKeyPath;

void StandinRemoveServerKey();
void StandinSetHidden(const RegistryValue& value);
void StandinSetHiddenDword(DWORD value);
std::optional<RegistryValue> StandinHidden();

enum class StandinCall { RegOpenKeyExA, RegQueryValueExA, RegSetValueExA, RegCloseKey, IsWow64Process };

// Makes every later call of `call` fail with `status` without touching the
// registry. For IsWow64Process the status is its BOOL result, returned after
// it has (or has not, by StandinProcess) written its answer.
void StandinFailCall(StandinCall call, LONG status);

struct RegistryOpen {
    std::string path;
    REGSAM mask;
    DWORD options;
    LONG status;
};

struct RegistryWrite {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
    LONG status;
};

const std::vector<RegistryOpen>& StandinOpens();
const std::vector<RegistryWrite>& StandinWrites();
int StandinQueries();
int StandinCloses();
int StandinOpenKeys();  // keys opened and not yet closed

// ---- Process ------------------------------------------------------------------
struct StandinProcess {
    bool hasIsWow64Process = true;  // kernel32 exports it (not on early XP)
    BOOL wow64 = TRUE;              // what IsWow64Process reports
    bool writesAnswer = true;       // whether it writes its answer at all
};

StandinProcess& StandinProcessState();
int StandinProcLookups();   // GetProcAddress calls for IsWow64Process
int StandinIsWow64Calls();  // calls made through the looked-up pointer

// ---- All ------------------------------------------------------------------------
void StandinReset();
