#include "console.h"
#include "screens_expected.h"
#include "standin_fixture.h"

namespace {

class ScreensTest : public StandinTest {};

TEST_F(ScreensTest, BannerIsTheTitleBlockInBrightWhite) {
    PrintBanner();
    const std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedBanner}};
    EXPECT_EQ(StandinStretches(), expected);
    EXPECT_EQ(StandinAttributeWrites(), (std::vector<WORD>{0x0F, 0x0F}));
}

TEST_F(ScreensTest, HelpIsTitleInWhiteThenUsageInGreen) {
    PrintHelp();
    const std::vector<ColouredStretch> expected = {{BrightWhite, ExpectedHelpTitle}, {BrightGreen, ExpectedHelpUsage}};
    EXPECT_EQ(StandinStretches(), expected);
    // Saved once, white straight to green, written back once.
    EXPECT_EQ(StandinAttributeWrites(), (std::vector<WORD>{0x0F, 0x0A, 0x0F}));
}

TEST_F(ScreensTest, BothScreensGiveBackTheColourTheyFound) {
    struct Case {
        WORD start;
        WORD after;
    };
    const Case cases[] = {{0x07, 0x0F}, {0x1E, 0x1E}, {0x0B, 0x0B}, {0x17, 0x1F}};
    for (void (*screen)() : {PrintBanner, PrintHelp}) {
        for (const Case& c : cases) {
            StandinReset();
            StandinConsoleState().attributes = c.start;
            screen();
            EXPECT_EQ(StandinConsoleState().attributes, c.after);
            // Palette text sits on black whatever the console's background.
            for (const PrintedText& piece : StandinPrinted()) EXPECT_EQ(piece.attributes & 0xF0, 0);
        }
    }
}

}  // namespace
