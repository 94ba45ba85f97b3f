#include <string>

#include "console.h"
#include "standin_fixture.h"

namespace {

class PrintErrorTest : public StandinTest {};

TEST_F(PrintErrorTest, PrintsTheMessageInBrightRedAndGivesTheColourBack) {
    PrintError("\n\n Error: Invalid parameters specified.\n\n");
    const std::vector<ColouredStretch> expected = {{BrightRed, "\n\n Error: Invalid parameters specified.\n\n"}};
    EXPECT_EQ(StandinStretches(), expected);
    EXPECT_EQ(StandinConsoleState().attributes, BrightWhite);  // grey comes back bright
}

TEST_F(PrintErrorTest, CallerGoesOnInItsOwnColour) {
    SetConsoleColor(ColorGreen);
    printf("before");
    PrintError("oops");
    printf("after");
    const std::vector<ColouredStretch> expected = {
        {BrightGreen, "before"}, {BrightRed, "oops"}, {BrightGreen, "after"}};
    EXPECT_EQ(StandinStretches(), expected);
}

TEST_F(PrintErrorTest, BackgroundAndDisplayFlagsComeBack) {
    StandinConsoleState().attributes = 0x831E;
    PrintError("x");
    EXPECT_EQ(StandinPrinted().at(0).attributes, 0x0C);  // red on black
    EXPECT_EQ(StandinConsoleState().attributes, 0x831E);
}

TEST_F(PrintErrorTest, FormatsStatusCodesAsEightHexDigits) {
    PrintError(" Error Code=0x%.8x", 5u);
    PrintError(" Error Code=0x%.8x", 0xDEADBEEFu);
    PrintError(" Failed to %s Your Computer", "UNHIDE");
    EXPECT_EQ(StandinOutput(), " Error Code=0x00000005 Error Code=0xdeadbeef Failed to UNHIDE Your Computer");
}

TEST_F(PrintErrorTest, PercentSignsInValuesArePrintedLiterally) {
    PrintError("[%s]", "100% %s %d %n");
    EXPECT_EQ(StandinOutput(), "[100% %s %d %n]");
}

TEST_F(PrintErrorTest, RedirectedOutputGetsThePlainText) {
    StandinConsoleState().readable = false;
    StandinConsoleState().accepts = false;
    PrintError("plain");
    EXPECT_EQ(StandinOutput(), "plain");
    EXPECT_EQ(StandinConsoleState().attributes, 7);
    // The write-back is of the fallback colour, bright white.
    EXPECT_EQ(StandinAttributeWrites(), (std::vector<WORD>{0x0C, 0x0F}));
}

TEST_F(PrintErrorTest, LongMessagesAreCutToTheBufferAndNeverOverrunIt) {
    struct Case {
        std::size_t length;
        std::size_t printed;
    };
    const Case cases[] = {{0, 0}, {4094, 4094}, {4095, 4095}, {4096, 4095}, {4097, 4095}, {100000, 4095}};
    for (const Case& c : cases) {
        StandinReset();
        const std::string message(c.length, 'm');
        PrintError("%s", message.c_str());
        EXPECT_EQ(StandinOutput(), message.substr(0, c.printed)) << "length " << c.length;
        EXPECT_EQ(ErrorBuffer[ErrorBufferSize - 1], '\0');
    }
}

TEST_F(PrintErrorTest, BufferKeepsTheLastMessage) {
    PrintError("first, and longer");
    PrintError("second");
    EXPECT_STREQ(ErrorBuffer, "second");
}

}  // namespace
