#include <optional>
#include <string>

#include "server_key.h"
#include "standin_fixture.h"

namespace {

class ServerKeyTest : public StandinTest {
protected:
    HKEY Open() {
        HKEY key = nullptr;
        EXPECT_EQ(OpenServerParameters(FALSE, &key), ERROR_SUCCESS);
        return key;
    }
};

TEST_F(ServerKeyTest, ReadTakesTheStoredBytesWhateverTheirType) {
    struct Case {
        const char* stored;
        std::optional<RegistryValue> value;
        LONG status;
        DWORD flag;
    };
    const Case cases[] = {
        {"absent", std::nullopt, ERROR_FILE_NOT_FOUND, 2},
        {"REG_DWORD 1", RegistryValue{REG_DWORD, {1, 0, 0, 0}}, ERROR_SUCCESS, 1},
        {"REG_DWORD 0", RegistryValue{REG_DWORD, {0, 0, 0, 0}}, ERROR_SUCCESS, 0},
        {"REG_DWORD 7", RegistryValue{REG_DWORD, {7, 0, 0, 0}}, ERROR_SUCCESS, 7},
        {"REG_DWORD 0x01000000", RegistryValue{REG_DWORD, {0, 0, 0, 1}}, ERROR_SUCCESS, 0x01000000},
        {"empty REG_BINARY", RegistryValue{REG_BINARY, {}}, ERROR_SUCCESS, 2},
        {"empty REG_DWORD", RegistryValue{REG_DWORD, {}}, ERROR_SUCCESS, 2},
        {"REG_BINARY 01", RegistryValue{REG_BINARY, {1}}, ERROR_SUCCESS, 1},
        {"REG_BINARY 00", RegistryValue{REG_BINARY, {0}}, ERROR_SUCCESS, 0},
        {"REG_BINARY 01 01", RegistryValue{REG_BINARY, {1, 1}}, ERROR_SUCCESS, 0x0101},
        {"REG_BINARY 01 00 00 00", RegistryValue{REG_BINARY, {1, 0, 0, 0}}, ERROR_SUCCESS, 1},
        {"REG_QWORD 1", RegistryValue{REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}, ERROR_MORE_DATA, 2},
        {"REG_SZ \"1\"", RegistryValue{REG_SZ, {'1', 0}}, ERROR_SUCCESS, 49},
        {"REG_SZ \"12345\"", RegistryValue{REG_SZ, {'1', '2', '3', '4', '5', 0}}, ERROR_MORE_DATA, 2},
    };
    for (const Case& c : cases) {
        StandinReset();
        if (c.value) StandinSetHidden(*c.value);
        HKEY key = Open();
        DWORD flag = 0xCCCCCCCC;
        EXPECT_EQ(ReadHiddenValue(key, &flag), c.status) << c.stored;
        // Where the status says the flag is not to be examined, the preset
        // is all that may be there: nothing was copied over it.
        EXPECT_EQ(flag, c.flag) << c.stored;
        CloseServerParameters(key);
    }
}

TEST_F(ServerKeyTest, ReadPassesAnyRefusalOn) {
    for (LONG status : {5L, 234L, 1018L, 0x12345678L}) {
        StandinReset();
        StandinSetHiddenDword(1);
        StandinFailCall(StandinCall::RegQueryValueExA, status);
        HKEY key = Open();
        DWORD flag;
        EXPECT_EQ(ReadHiddenValue(key, &flag), status);
        CloseServerParameters(key);
    }
}

TEST_F(ServerKeyTest, OpenAsksForTheViewThatWow64Needs) {
    struct Case {
        BOOL wow64;
        REGSAM mask;
    };
    const Case cases[] = {{FALSE, 0x2001F}, {TRUE, 0x2011F}, {42, 0x2011F}};
    for (const Case& c : cases) {
        StandinReset();
        HKEY key = nullptr;
        ASSERT_EQ(OpenServerParameters(c.wow64, &key), ERROR_SUCCESS);
        ASSERT_EQ(StandinOpens().size(), 1u);
        EXPECT_EQ(StandinOpens()[0].mask, c.mask);
        EXPECT_EQ(StandinOpens()[0].path, "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters");
        EXPECT_EQ(StandinOpens()[0].options, 0u);
        CloseServerParameters(key);
        EXPECT_EQ(StandinOpenKeys(), 0);
    }
}

TEST_F(ServerKeyTest, OpenPassesRefusalsOnAndCreatesNothing) {
    StandinRemoveServerKey();
    HKEY key = nullptr;
    EXPECT_EQ(OpenServerParameters(TRUE, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(StandinOpenKeys(), 0);
    EXPECT_EQ(OpenServerParameters(TRUE, &key), ERROR_FILE_NOT_FOUND);  // still absent

    StandinReset();
    StandinFailCall(StandinCall::RegOpenKeyExA, ERROR_ACCESS_DENIED);
    EXPECT_EQ(OpenServerParameters(FALSE, &key), ERROR_ACCESS_DENIED);
}

TEST_F(ServerKeyTest, WriteStoresFourBytesAsDword) {
    StandinSetHidden({REG_SZ, {'1', 0}});
    HKEY key = Open();
    ASSERT_EQ(WriteHiddenValue(key, 1), ERROR_SUCCESS);
    DWORD flag;
    EXPECT_EQ(ReadHiddenValue(key, &flag), ERROR_SUCCESS);
    EXPECT_EQ(flag, 1u);
    CloseServerParameters(key);
    const RegistryValue expected{REG_DWORD, {1, 0, 0, 0}};
    EXPECT_EQ(StandinHidden()->type, expected.type);
    EXPECT_EQ(StandinHidden()->data, expected.data);
    ASSERT_EQ(StandinWrites().size(), 1u);
    EXPECT_EQ(StandinWrites()[0].name, "HIDDEN");
}

TEST_F(ServerKeyTest, WritePassesRefusalsOn) {
    StandinFailCall(StandinCall::RegSetValueExA, ERROR_ACCESS_DENIED);
    HKEY key = Open();
    EXPECT_EQ(WriteHiddenValue(key, 0), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(StandinHidden().has_value());
    CloseServerParameters(key);
}

TEST_F(ServerKeyTest, IsWow64AnswersWhatTheSystemSays) {
    struct Case {
        const char* name;
        bool hasIsWow64Process;
        BOOL wow64;
        bool writesAnswer;
        std::optional<LONG> failure;
        BOOL answer;
        int calls;
    };
    const Case cases[] = {
        {"64-bit Windows", true, TRUE, true, std::nullopt, TRUE, 1},
        {"32-bit Windows", true, FALSE, true, std::nullopt, FALSE, 1},
        {"early XP, no IsWow64Process", false, TRUE, true, std::nullopt, FALSE, 0},
        {"fails without an answer", true, TRUE, false, std::nullopt, FALSE, 1},
        {"returns FALSE, its answer still taken", true, TRUE, true, FALSE, TRUE, 1},
    };
    for (const Case& c : cases) {
        StandinReset();
        StandinProcessState() = {c.hasIsWow64Process, c.wow64, c.writesAnswer};
        if (c.failure) StandinFailCall(StandinCall::IsWow64Process, *c.failure);
        EXPECT_EQ(IsWow64(), c.answer) << c.name;
        EXPECT_EQ(StandinIsWow64Calls(), c.calls) << c.name;
        EXPECT_EQ(IsWow64ProcessEntry == nullptr, !c.hasIsWow64Process) << c.name;
    }
}

TEST_F(ServerKeyTest, IsWow64LooksTheFunctionUpOnEveryCall) {
    IsWow64();
    StandinProcessState().hasIsWow64Process = false;
    EXPECT_EQ(IsWow64(), FALSE);
    EXPECT_EQ(StandinProcLookups(), 2);
    EXPECT_EQ(IsWow64ProcessEntry, nullptr);  // the null is stored too
}

}  // namespace
