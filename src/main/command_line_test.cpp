#include <string>
#include <vector>

#include "command_line.h"
#include "screens_expected.h"
#include "standin_fixture.h"

namespace {

const std::string InvalidParameters = "\n\n Error: Invalid parameters specified.\n\n";
const std::string InvalidCount =
    "\n\n Error: Invalid input parameters. Kindly see the above examples and try again.\n\n";
const std::string LaunchNotice =
    "\n This is a console application. Kindly Run it from the CMD Prompt!\n\n Press any key to exit....\n";

class CommandLineTest : public StandinTest {
protected:
    void SetUp() override {
        StandinTest::SetUp();
        StandinSetEnvironment("PROMPT", "$P$G");
    }

    void Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "Nimbrel.exe");
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        RunCommandLine(static_cast<int>(arguments.size()), argv.data());
    }
};

TEST_F(CommandLineTest, HelpArgumentPrintsTheHelpScreenAlone) {
    for (const char* argument : {"-h", "-H"}) {
        StandinReset();  // PROMPT absent too: -h never checks the launch
        Run({argument});
        EXPECT_EQ(StandinOutput(), ExpectedHelp) << argument;
        EXPECT_EQ(StandinGetchCalls(), 0);
        EXPECT_TRUE(StandinOpens().empty());
    }
}

TEST_F(CommandLineTest, RowsReachTheirCommands) {
    struct Case {
        const char* argument;
        const char* expectedLine;
        std::optional<DWORD> hiddenAfter;
    };
    const Case cases[] = {
        {"1", "Successfully Hidden Your Computer", 1u},
        {"0", "Your Computer is currently Hidden on the Network, Making it Visible Now", 0u},
        {"-s", "Your Computer is currently HIDDEN on the Network", 1u},
        {"-S", "Your Computer is currently HIDDEN on the Network", 1u},
    };
    for (const Case& c : cases) {
        StandinReset();
        StandinSetHiddenDword(c.argument[0] == '1' ? 0 : 1);
        Run({c.argument});
        EXPECT_NE(StandinOutput().find(c.expectedLine), std::string::npos) << c.argument;
        EXPECT_EQ(StandinHidden()->data.at(0), *c.hiddenAfter) << c.argument;
        EXPECT_EQ(StandinOutput().find("Error"), std::string::npos) << c.argument;
    }
}

TEST_F(CommandLineTest, UnmatchedArgumentGetsHelpAndRedErrorAndTouchesNothing) {
    const char* const arguments[] = {"01", "+1",  "-help", "/?",   "--s",  " 1", "1 ", "", "s",
                                     "h",  "-s-", "-\xD3", "\xB9", "-S\t", "10", "-1", "O"};
    for (const char* argument : arguments) {
        StandinReset();
        StandinSetHiddenDword(1);
        Run({argument});
        const std::vector<ColouredStretch> expected = {
            {BrightWhite, ExpectedHelpTitle}, {BrightGreen, ExpectedHelpUsage}, {BrightRed, InvalidParameters}};
        EXPECT_EQ(StandinStretches(), expected) << '"' << argument << '"';
        EXPECT_TRUE(StandinOpens().empty());
        EXPECT_TRUE(StandinWrites().empty());
        EXPECT_EQ(StandinGetchCalls(), 0);
    }
}

TEST_F(CommandLineTest, WrongCountGetsHelpAndRedErrorAndTouchesNothing) {
    const std::vector<std::vector<std::string>> commandLines = {
        {"1", "-s"}, {"0", "0"}, {"-h", "-h"}, {"", ""}, {"1", "2", "3", "4", "5"}};
    for (const auto& arguments : commandLines) {
        StandinReset();
        Run(arguments);
        EXPECT_EQ(StandinOutput(), ExpectedHelp + InvalidCount);
        EXPECT_EQ(StandinPrinted().back().attributes, BrightRed);
        EXPECT_TRUE(StandinOpens().empty());
        EXPECT_EQ(StandinGetchCalls(), 0);
    }
}

TEST_F(CommandLineTest, NoArgumentWaitsForAKeyOnlyOutsideACommandPrompt) {
    struct Case {
        const char* name;
        std::optional<std::string> prompt;
        bool waits;
    };
    const Case cases[] = {
        {"absent", std::nullopt, true},
        {"empty", std::string(), true},
        {"ordinary", std::string("$P$G"), false},
        {"127 characters, fits", std::string(127, 'p'), false},
        {"128 characters, does not fit", std::string(128, 'p'), false},
        {"far too long", std::string(5000, 'p'), false},
    };
    for (const Case& c : cases) {
        StandinReset();
        if (c.prompt) StandinSetEnvironment("PROMPT", *c.prompt);
        StandinPressKeys("x");
        Run({});
        std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedHelpTitle}, {BrightGreen, ExpectedHelpUsage}};
        if (c.waits) expected.push_back({BrightRed, LaunchNotice});
        EXPECT_EQ(StandinStretches(), expected) << c.name;
        EXPECT_EQ(StandinGetchCalls(), c.waits ? 1 : 0) << c.name;
        EXPECT_EQ(StandinConsoleState().attributes, BrightWhite) << c.name;
        EXPECT_TRUE(StandinOpens().empty());
    }
}

TEST_F(CommandLineTest, NoKeyboardMeansTheWaitReturnsAtOnce) {
    StandinReset();
    Run({});
    EXPECT_EQ(StandinGetchCalls(), 1);
    EXPECT_EQ(StandinConsoleState().attributes, BrightWhite);
}

TEST_F(CommandLineTest, EveryRunEndsInTheStartingColourMadeBright) {
    const std::vector<std::vector<std::string>> commandLines = {{}, {"-h"}, {"-s"}, {"1"}, {"0"}, {"x"}, {"1", "0"}};
    struct Case {
        WORD start;
        WORD end;
    };
    const Case cases[] = {{0x07, 0x0F}, {0x1E, 0x1E}, {0x8F17, 0x8F1F}};
    for (const auto& arguments : commandLines) {
        for (const Case& c : cases) {
            StandinReset();
            StandinSetEnvironment("PROMPT", "$P$G");
            StandinConsoleState().attributes = c.start;
            Run(arguments);
            EXPECT_EQ(StandinConsoleState().attributes, c.end);
            EXPECT_EQ(StandinAttributeWrites().back(), c.end);  // main's own write-back comes last
        }
    }
}

TEST_F(CommandLineTest, UnreadableConsoleEndsInBrightWhite) {
    StandinConsoleState().readable = false;
    StandinConsoleState().attributes = 0x1E;
    Run({"-h"});
    EXPECT_EQ(StandinConsoleState().attributes, BrightWhite);
}

}  // namespace
