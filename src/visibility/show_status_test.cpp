#include <optional>
#include <string>

#include "screens_expected.h"
#include "standin_fixture.h"
#include "visibility.h"

namespace {

const std::string Checking = "\n\n [*] Checking for the current Hidden status of Your Computer";
const std::string Hidden = "\n\n\n [*] Your Computer is currently HIDDEN on the Network";
const std::string NotHidden = "\n\n\n [*] Your Computer is currently NOT HIDDEN on the Network";

std::string OpenFailure(const char* code) {
    return std::string("\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x") + code + "\n\n";
}

class ShowStatusTest : public StandinTest {};

TEST_F(ShowStatusTest, OnlyExactlyOneReadsAsHidden) {
    struct Case {
        const char* stored;
        std::optional<RegistryValue> value;
        const std::string& line;
    };
    const Case cases[] = {
        {"REG_DWORD 1", RegistryValue{REG_DWORD, {1, 0, 0, 0}}, Hidden},
        {"REG_BINARY 01", RegistryValue{REG_BINARY, {1}}, Hidden},
        {"REG_DWORD 0", RegistryValue{REG_DWORD, {0, 0, 0, 0}}, NotHidden},
        {"REG_DWORD 2", RegistryValue{REG_DWORD, {2, 0, 0, 0}}, NotHidden},
        {"REG_DWORD 0x101", RegistryValue{REG_DWORD, {1, 1, 0, 0}}, NotHidden},
        {"empty", RegistryValue{REG_BINARY, {}}, NotHidden},
        {"REG_QWORD 1", RegistryValue{REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}, NotHidden},
        {"REG_SZ \"1\"", RegistryValue{REG_SZ, {'1', 0}}, NotHidden},
        {"absent", std::nullopt, NotHidden},
    };
    for (const Case& c : cases) {
        StandinReset();
        if (c.value) StandinSetHidden(*c.value);
        ShowHiddenStatus();
        const std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedBanner},
                                                       {BrightGreen, Checking + c.line + "\n\n"}};
        EXPECT_EQ(StandinStretches(), expected) << c.stored;
        // Nothing written: the value keeps its type and data.
        EXPECT_TRUE(StandinWrites().empty()) << c.stored;
        EXPECT_EQ(StandinHidden().has_value(), c.value.has_value());
        if (c.value) {
            EXPECT_EQ(StandinHidden()->data, c.value->data) << c.stored;
        }
        EXPECT_EQ(StandinQueries(), 1);
        EXPECT_EQ(StandinCloses(), 1);
        EXPECT_EQ(StandinOpenKeys(), 0);
        EXPECT_EQ(StandinConsoleState().attributes, BrightWhite);
    }
}

TEST_F(ShowStatusTest, RefusedReadReportsNotHiddenWithoutAnError) {
    for (LONG status : {2L, 5L, 234L, 0x7FFFFFFFL}) {
        StandinReset();
        StandinSetHiddenDword(1);
        StandinFailCall(StandinCall::RegQueryValueExA, status);
        ShowHiddenStatus();
        EXPECT_EQ(StandinOutput(), ExpectedBanner + Checking + NotHidden + "\n\n") << status;
        EXPECT_EQ(StandinCloses(), 1);
    }
}

TEST_F(ShowStatusTest, RefusedOpenShowsTheCodeInRedWithoutAdminHint) {
    struct Case {
        const char* name;
        LONG status;
        const char* code;
    };
    const Case cases[] = {{"no key", ERROR_FILE_NOT_FOUND, "00000002"},
                          {"no rights", ERROR_ACCESS_DENIED, "00000005"},
                          {"other", 0x1abc, "00001abc"}};
    for (const Case& c : cases) {
        StandinReset();
        RefuseServerKey(c.status);
        ShowHiddenStatus();
        const std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedBanner}, {BrightRed, OpenFailure(c.code)}};
        EXPECT_EQ(StandinStretches(), expected) << c.name;
        EXPECT_EQ(StandinQueries(), 0);
        EXPECT_EQ(StandinCloses(), 0);  // nothing to close
        EXPECT_EQ(StandinConsoleState().attributes, BrightWhite);
    }
}

TEST_F(ShowStatusTest, OpensTheKeyOnceInTheViewWow64Needs) {
    for (BOOL wow64 : {FALSE, TRUE}) {
        StandinReset();
        StandinProcessState().wow64 = wow64;
        ShowHiddenStatus();
        ASSERT_EQ(StandinOpens().size(), 1u);
        EXPECT_EQ(StandinOpens()[0].mask, wow64 ? 0x2011Fu : 0x2001Fu);
    }
}

TEST_F(ShowStatusTest, GivesBackTheColourItFoundOnBothPaths) {
    for (bool opens : {true, false}) {
        StandinReset();
        StandinConsoleState().attributes = 0x1E;
        if (!opens) StandinFailCall(StandinCall::RegOpenKeyExA, ERROR_ACCESS_DENIED);
        ShowHiddenStatus();
        EXPECT_EQ(StandinConsoleState().attributes, 0x1E);
    }
}

}  // namespace
