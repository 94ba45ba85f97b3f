// The stand-in platform: each call behaves as the Windows or msvcrt function
// of the same name is documented to behave, over state held in this file.
#include "standin_control.h"

#include <cstring>
#include <set>

namespace {

struct State {
    StandinConsole console;
    std::vector<PrintedText> printed;
    std::vector<WORD> attributeWrites;

    std::map<std::string, std::string> environment;
    std::string keys;
    int getchCalls = 0;

    bool serverKeyExists = true;
    std::optional<RegistryValue> hidden;
    std::map<StandinCall, LONG> failures;
    std::vector<RegistryOpen> opens;
    std::vector<RegistryWrite> writes;
    int queries = 0;
    int closes = 0;
    std::set<std::uintptr_t> openKeys;
    std::uintptr_t nextKey = 0x1000;

    StandinProcess process;
    int procLookups = 0;
    int isWow64Calls = 0;
};

State& S() {
    static State state;
    return state;
}

// Stand-in values for handles; only their identity matters.
HANDLE const StdOutputHandle = reinterpret_cast<HANDLE>(0x0b);
HANDLE const CurrentProcess = reinterpret_cast<HANDLE>(-1);
HMODULE const Kernel32 = reinterpret_cast<HMODULE>(0x7c800000);

bool EqualFolded(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

std::optional<LONG> InjectedFailure(StandinCall call) {
    auto it = S().failures.find(call);
    if (it == S().failures.end()) return std::nullopt;
    return it->second;
}

bool IsOpenKey(HKEY key) { return S().openKeys.count(reinterpret_cast<std::uintptr_t>(key)) != 0; }

BOOL WINAPI StandinIsWow64Process(HANDLE process, PBOOL wow64) {
    ++S().isWow64Calls;
    if (process != CurrentProcess || wow64 == nullptr) return FALSE;
    if (S().process.writesAnswer) *wow64 = S().process.wow64;
    if (auto failure = InjectedFailure(StandinCall::IsWow64Process)) return static_cast<BOOL>(*failure);
    return TRUE;
}

}  // namespace

// ---- Console ----------------------------------------------------------------
HANDLE GetStdHandle(DWORD nStdHandle) { return nStdHandle == STD_OUTPUT_HANDLE ? StdOutputHandle : nullptr; }

BOOL GetConsoleScreenBufferInfo(HANDLE hConsoleOutput, PCONSOLE_SCREEN_BUFFER_INFO info) {
    if (hConsoleOutput != StdOutputHandle || !S().console.readable) return FALSE;
    std::memset(info, 0, sizeof *info);
    info->dwSize = {80, 300};
    info->wAttributes = S().console.attributes;
    return TRUE;
}

BOOL SetConsoleTextAttribute(HANDLE hConsoleOutput, WORD wAttributes) {
    S().attributeWrites.push_back(wAttributes);
    if (hConsoleOutput != StdOutputHandle || !S().console.accepts) return FALSE;
    S().console.attributes = wAttributes;
    return TRUE;
}

// ---- Environment ----------------------------------------------------------------
DWORD GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
    auto it = S().environment.begin();
    for (; it != S().environment.end(); ++it)
        if (EqualFolded(it->first, lpName)) break;
    // An empty value reads as 0 characters, the same as an absent variable.
    if (it == S().environment.end() || it->second.empty()) return 0;
    const std::string& value = it->second;
    if (value.size() + 1 > nSize) return static_cast<DWORD>(value.size() + 1);
    std::memcpy(lpBuffer, value.c_str(), value.size() + 1);
    return static_cast<DWORD>(value.size());
}

// ---- Registry --------------------------------------------------------------------
LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult) {
    LONG status = ERROR_SUCCESS;
    if (auto failure = InjectedFailure(StandinCall::RegOpenKeyExA)) {
        status = *failure;
    } else if (hKey != HKEY_LOCAL_MACHINE || !S().serverKeyExists || !EqualFolded(lpSubKey, StandinServerKeyPath)) {
        status = ERROR_FILE_NOT_FOUND;
    } else {
        std::uintptr_t key = S().nextKey++;
        S().openKeys.insert(key);
        *phkResult = reinterpret_cast<HKEY>(key);
    }
    S().opens.push_back({lpSubKey, samDesired, ulOptions, status});
    return status;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData) {
    ++S().queries;
    if (auto failure = InjectedFailure(StandinCall::RegQueryValueExA)) return *failure;
    if (!IsOpenKey(hKey)) return ERROR_INVALID_HANDLE;
    if (lpReserved != nullptr) return 87;  // ERROR_INVALID_PARAMETER
    if (!EqualFolded(lpValueName, "HIDDEN") || !S().hidden) return ERROR_FILE_NOT_FOUND;

    const RegistryValue& value = *S().hidden;
    const DWORD size = static_cast<DWORD>(value.data.size());
    if (lpType != nullptr) *lpType = value.type;
    if (lpData != nullptr) {
        if (lpcbData == nullptr) return 998;  // ERROR_NOACCESS
        // A buffer too small for the data is left untouched.
        if (*lpcbData < size) {
            *lpcbData = size;
            return ERROR_MORE_DATA;
        }
        if (size != 0) std::memcpy(lpData, value.data.data(), size);
    }
    if (lpcbData != nullptr) *lpcbData = size;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    LONG status = ERROR_SUCCESS;
    if (auto failure = InjectedFailure(StandinCall::RegSetValueExA)) {
        status = *failure;
    } else if (!IsOpenKey(hKey)) {
        status = ERROR_INVALID_HANDLE;
    } else if (Reserved != 0) {
        status = 87;
    } else if (EqualFolded(lpValueName, "HIDDEN")) {
        S().hidden = RegistryValue{dwType, std::vector<BYTE>(lpData, lpData + cbData)};
    }
    S().writes.push_back({lpValueName, dwType, std::vector<BYTE>(lpData, lpData + cbData), status});
    return status;
}

LONG RegCloseKey(HKEY hKey) {
    ++S().closes;
    if (auto failure = InjectedFailure(StandinCall::RegCloseKey)) return *failure;
    return S().openKeys.erase(reinterpret_cast<std::uintptr_t>(hKey)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

// ---- Process ------------------------------------------------------------------
HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
    return lpModuleName != nullptr && EqualFolded(lpModuleName, "kernel32.dll") ? Kernel32 : nullptr;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (hModule != Kernel32 || std::strcmp(lpProcName, "IsWow64Process") != 0) return nullptr;
    ++S().procLookups;
    if (!S().process.hasIsWow64Process) return nullptr;
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&StandinIsWow64Process));
}

HANDLE GetCurrentProcess() { return CurrentProcess; }

// ---- Run-time library ------------------------------------------------------------
int StandinPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    S().printed.push_back({text, S().console.attributes});
    return length;
}

int _stricmp(const char* a, const char* b) {
    // Folds only A-Z, as msvcrt does in the "C" locale.
    auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
    for (;; ++a, ++b) {
        const int diff = fold(static_cast<unsigned char>(*a)) - fold(static_cast<unsigned char>(*b));
        if (diff != 0 || *a == '\0') return diff;
    }
}

int _getch() {
    ++S().getchCalls;
    if (S().keys.empty()) return -1;  // no keyboard: returns at once
    const int key = static_cast<unsigned char>(S().keys.front());
    S().keys.erase(0, 1);
    return key;
}

int _vsnprintf(char* buffer, std::size_t count, const char* format, va_list args) {
    // msvcrt semantics: at most `count` characters, a NUL only when it fits,
    // and -1 when the text was cut.
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) return -1;
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    const std::size_t copied = text.size() < count ? text.size() : count;
    std::memcpy(buffer, text.data(), copied);
    if (copied < count) buffer[copied] = '\0';
    return text.size() <= count ? length : -1;
}

// ---- Control ------------------------------------------------------------------------
const char* const StandinServerKeyPath = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";

StandinConsole& StandinConsoleState() { return S().console; }
const std::vector<PrintedText>& StandinPrinted() { return S().printed; }

std::string StandinOutput() {
    std::string all;
    for (const PrintedText& piece : S().printed) all += piece.text;
    return all;
}

std::vector<ColouredStretch> StandinStretches() {
    std::vector<ColouredStretch> stretches;
    for (const PrintedText& piece : S().printed) {
        if (piece.text.empty()) continue;
        if (!stretches.empty() && stretches.back().attributes == piece.attributes)
            stretches.back().text += piece.text;
        else
            stretches.push_back({piece.attributes, piece.text});
    }
    return stretches;
}

std::vector<WORD> StandinAttributeWrites() { return S().attributeWrites; }

void StandinSetEnvironment(const std::string& name, const std::string& value) { S().environment[name] = value; }
void StandinPressKeys(const std::string& keys) { S().keys += keys; }
int StandinGetchCalls() { return S().getchCalls; }

void StandinRemoveServerKey() {
    S().serverKeyExists = false;
    S().hidden.reset();
}
void StandinSetHidden(const RegistryValue& value) { S().hidden = value; }
void StandinSetHiddenDword(DWORD value) {
    StandinSetHidden({REG_DWORD,
                      {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                       static_cast<BYTE>(value >> 24)}});
}
std::optional<RegistryValue> StandinHidden() { return S().hidden; }

void StandinFailCall(StandinCall call, LONG status) { S().failures[call] = status; }
const std::vector<RegistryOpen>& StandinOpens() { return S().opens; }
const std::vector<RegistryWrite>& StandinWrites() { return S().writes; }
int StandinQueries() { return S().queries; }
int StandinCloses() { return S().closes; }
int StandinOpenKeys() { return static_cast<int>(S().openKeys.size()); }

StandinProcess& StandinProcessState() { return S().process; }
int StandinProcLookups() { return S().procLookups; }
int StandinIsWow64Calls() { return S().isWow64Calls; }

void StandinReset() { S() = State(); }
