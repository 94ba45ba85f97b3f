#include <optional>
#include <string>

#include "screens_expected.h"
#include "standin_fixture.h"
#include "visibility.h"

namespace {

const std::string Hiding = "\n\n [*] Hiding Your Computer on the Network";
const std::string Unhiding = "\n\n [*] Unhiding Your Computer on the Network";
const std::string Checking = "\n\n\n [*] Checking for the current Hidden status of Your Computer";
const std::string ReadFailure = "\n\t Failed to get the current status, Anyway going ahead now...";
const std::string AlreadyHidden = "\n\n\n [*] Your Computer is already Hidden on the Network\n\n";
const std::string HiddenToVisible =
    "\n\n\n [*] Your Computer is currently Hidden on the Network, Making it Visible Now";
const std::string AlreadyVisible = "\n\n\n [*] Your Computer is already Visible on the Network\n\n";
const std::string VisibleToHidden = "\n\n\n [*] Your Computer is currently Visible on the Network, Hiding it Now";
const std::string Unrecognised = "\n\n\n [*] Your Computer has an unrecognised Hidden setting, Making it Visible Now";
const std::string HideSuccess = "\n\n\n [*] Successfully Hidden Your Computer on the Network";
const std::string UnhideSuccess = "\n\n\n [*] Successfully Made Your Computer Visible on the Network";
const std::string RestartNote =
    "\n\n\n Note: You have to restart the system for changes to take effect. It may take an hour or two for it "
    "to be effective across the network.\n\n";

std::string OpenFailure(const char* code) {
    return std::string(
               "\n\n [*] Error: Failed to open Windows Registry. Make sure you have Administrator rights. "
               "\n Error Code=0x") +
           code + "\n\n";
}

std::string WriteFailure(const char* verb, const char* code) {
    return std::string("\n\n Error: Failed to ") + verb +
           " Your Computer. Make sure you have Administrator rights. \n Error Code=0x" + code + "\n\n";
}

RegistryValue Dword(DWORD value) {
    return {REG_DWORD,
            {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
             static_cast<BYTE>(value >> 24)}};
}

class SetStatusTest : public StandinTest {};

TEST_F(SetStatusTest, DecidesByTheStoredValueWhetherToWrite) {
    struct Case {
        const char* name;
        std::optional<RegistryValue> stored;
        DWORD requested;
        const std::string& line;
        bool writes;
    };
    const Case cases[] = {
        {"absent, hide", std::nullopt, 1, ReadFailure, true},
        {"absent, unhide", std::nullopt, 0, ReadFailure, true},
        {"REG_QWORD refused, hide", RegistryValue{REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}, 1, ReadFailure, true},
        {"hidden, hide", Dword(1), 1, AlreadyHidden, false},
        {"hidden, unhide", Dword(1), 0, HiddenToVisible, true},
        {"visible, unhide", Dword(0), 0, AlreadyVisible, false},
        {"visible, hide", Dword(0), 1, VisibleToHidden, true},
        {"7, hide", Dword(7), 1, VisibleToHidden, true},
        {"7, unhide", Dword(7), 0, Unrecognised, true},
        {"0xFFFFFFFF, unhide", Dword(0xFFFFFFFF), 0, Unrecognised, true},
        {"empty, unhide", RegistryValue{REG_BINARY, {}}, 0, Unrecognised, true},
        {"text \"1\", hide", RegistryValue{REG_SZ, {'1', 0}}, 1, VisibleToHidden, true},
        {"binary 01 00 00 00, hide", RegistryValue{REG_BINARY, {1, 0, 0, 0}}, 1, AlreadyHidden, false},
        {"binary 00, unhide", RegistryValue{REG_BINARY, {0}}, 0, AlreadyVisible, false},
    };
    for (const Case& c : cases) {
        StandinReset();
        if (c.stored) StandinSetHidden(*c.stored);
        SetHiddenStatus(c.requested);

        const bool hide = c.requested == 1;
        std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedBanner}};
        std::string green = (hide ? Hiding : Unhiding) + Checking + c.line;
        if (c.writes) green += hide ? HideSuccess : UnhideSuccess;
        expected.push_back({BrightGreen, green});
        if (c.writes) expected.push_back({BrightWhite, RestartNote});
        EXPECT_EQ(StandinStretches(), expected) << c.name;

        if (c.writes) {
            ASSERT_EQ(StandinWrites().size(), 1u) << c.name;
            EXPECT_EQ(StandinHidden()->type, static_cast<DWORD>(REG_DWORD)) << c.name;
            EXPECT_EQ(StandinHidden()->data, Dword(c.requested).data) << c.name;
        } else {
            EXPECT_TRUE(StandinWrites().empty()) << c.name;
            EXPECT_EQ(StandinHidden()->type, c.stored->type) << c.name;
            EXPECT_EQ(StandinHidden()->data, c.stored->data) << c.name;
        }
        EXPECT_EQ(StandinOpens().size(), 1u);
        EXPECT_EQ(StandinCloses(), 1) << c.name;
        EXPECT_EQ(StandinOpenKeys(), 0) << c.name;
        EXPECT_EQ(StandinConsoleState().attributes, BrightWhite) << c.name;
    }
}

TEST_F(SetStatusTest, RefusedReadStillWritesTheRequest) {
    for (LONG status : {5L, 234L, 1L}) {
        StandinReset();
        StandinSetHiddenDword(1);
        StandinFailCall(StandinCall::RegQueryValueExA, status);
        SetHiddenStatus(1);
        EXPECT_EQ(StandinOutput(), ExpectedBanner + Hiding + Checking + ReadFailure + HideSuccess + RestartNote);
        EXPECT_EQ(StandinWrites().size(), 1u);
        EXPECT_EQ(StandinCloses(), 1);
    }
}

TEST_F(SetStatusTest, RefusedOpenNamesAdministratorRightsAndDoesNothingElse) {
    struct Case {
        LONG status;
        const char* code;
        DWORD requested;
    };
    const Case cases[] = {{ERROR_FILE_NOT_FOUND, "00000002", 1},
                          {ERROR_FILE_NOT_FOUND, "00000002", 0},
                          {ERROR_ACCESS_DENIED, "00000005", 1},
                          {ERROR_ACCESS_DENIED, "00000005", 0}};
    for (const Case& c : cases) {
        StandinReset();
        RefuseServerKey(c.status);
        SetHiddenStatus(c.requested);
        const std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedBanner},
                                                       {BrightGreen, c.requested ? Hiding : Unhiding},
                                                       {BrightRed, OpenFailure(c.code)}};
        EXPECT_EQ(StandinStretches(), expected);
        EXPECT_EQ(StandinQueries(), 0);
        EXPECT_TRUE(StandinWrites().empty());
        EXPECT_EQ(StandinCloses(), 0);
        EXPECT_EQ(StandinConsoleState().attributes, BrightWhite);
        if (c.status == ERROR_FILE_NOT_FOUND) {
            // The key is never created.
            HKEY key;
            EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, StandinServerKeyPath, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
        }
    }
}

TEST_F(SetStatusTest, RefusedWriteShowsTheCodeInRedWithoutTheNote) {
    struct Case {
        DWORD stored;
        DWORD requested;
        const std::string& line;
        const char* verb;
    };
    const Case cases[] = {{0, 1, VisibleToHidden, "HIDE"}, {1, 0, HiddenToVisible, "UNHIDE"}};
    for (const Case& c : cases) {
        StandinReset();
        StandinSetHiddenDword(c.stored);
        StandinFailCall(StandinCall::RegSetValueExA, ERROR_ACCESS_DENIED);
        SetHiddenStatus(c.requested);
        const std::vector<ColouredStretch> expected = {
            {BrightWhite, ExpectedBanner},
            {BrightGreen, (c.requested ? Hiding : Unhiding) + Checking + c.line},
            {BrightRed, WriteFailure(c.verb, "00000005")}};
        EXPECT_EQ(StandinStretches(), expected) << c.verb;
        EXPECT_EQ(StandinHidden()->data, Dword(c.stored).data);
        EXPECT_EQ(StandinCloses(), 1);
        EXPECT_EQ(StandinOpenKeys(), 0);
        // PrintError hands green back before the command restores its own.
        EXPECT_EQ(StandinAttributeWrites(), (std::vector<WORD>{0x0F, 0x0F, 0x0A, 0x0C, 0x0A, 0x0F}));
    }
}

TEST_F(SetStatusTest, OpensTheKeyOnceInTheViewWow64Needs) {
    struct Case {
        bool hasIsWow64Process;
        BOOL wow64;
        REGSAM mask;
    };
    const Case cases[] = {{true, TRUE, 0x2011F}, {true, FALSE, 0x2001F}, {false, TRUE, 0x2001F}};
    for (const Case& c : cases) {
        StandinReset();
        StandinProcessState().hasIsWow64Process = c.hasIsWow64Process;
        StandinProcessState().wow64 = c.wow64;
        SetHiddenStatus(1);
        ASSERT_EQ(StandinOpens().size(), 1u);
        EXPECT_EQ(StandinOpens()[0].mask, c.mask);
    }
}

TEST_F(SetStatusTest, GivesBackTheColourItFoundOnEveryPath) {
    enum Path { OpenRefused, NoWrite, WriteRefused, Written };
    for (Path path : {OpenRefused, NoWrite, WriteRefused, Written}) {
        StandinReset();
        StandinConsoleState().attributes = 0x5B;
        StandinSetHiddenDword(path == NoWrite ? 1 : 0);
        if (path == OpenRefused) StandinFailCall(StandinCall::RegOpenKeyExA, ERROR_ACCESS_DENIED);
        if (path == WriteRefused) StandinFailCall(StandinCall::RegSetValueExA, ERROR_ACCESS_DENIED);
        SetHiddenStatus(1);
        EXPECT_EQ(StandinConsoleState().attributes, 0x5B) << path;
        for (const PrintedText& piece : StandinPrinted()) EXPECT_EQ(piece.attributes & 0xF0, 0) << path;
    }
}

}  // namespace
