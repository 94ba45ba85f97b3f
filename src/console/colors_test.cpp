#include "console.h"
#include "standin_fixture.h"

namespace {

class ColorsTest : public StandinTest {};

TEST_F(ColorsTest, GetConsoleColorReturnsTheWholeAttributeWord) {
    for (WORD attributes : {WORD{0x07}, WORD{0x1E}, WORD{0x8F4A}, WORD{0xFFFF}, WORD{0}}) {
        StandinConsoleState().attributes = attributes;
        EXPECT_EQ(GetConsoleColor(), attributes);
    }
}

TEST_F(ColorsTest, UnreadableConsoleReadsAsBrightWhite) {
    StandinConsoleState().readable = false;
    EXPECT_EQ(GetConsoleColor(), 15);
}

TEST_F(ColorsTest, SetConsoleColorAlwaysAddsTheBrightBit) {
    struct Case {
        int color;
        WORD shown;
        const char* why;
    };
    const Case cases[] = {
        {2, 0x0A, "green shows bright"},
        {4, 0x0C, "red shows bright"},
        {7, 0x0F, "white shows bright"},
        {0x03, 0x0B, "any foreground shows bright"},
        {0x0F, 0x0F, "already bright: unchanged"},
        {0x1E, 0x1E, "already bright, background kept"},
        {0x17, 0x1F, "background kept"},
        {0x8F47, 0x8F4F, "display flags kept"},
        {0x12345, 0x234D, "only the low 16 bits reach the console"},
    };
    for (const Case& c : cases) {
        SetConsoleColor(c.color);
        EXPECT_EQ(StandinConsoleState().attributes, c.shown) << c.why;
    }
}

TEST_F(ColorsTest, RefusedAttributesLeaveTheConsoleAsItWas) {
    StandinConsoleState().attributes = 0x1E;
    StandinConsoleState().accepts = false;
    SetConsoleColor(ColorRed);
    EXPECT_EQ(StandinConsoleState().attributes, 0x1E);
    EXPECT_EQ(StandinAttributeWrites(), std::vector<WORD>{0x0C});
}

}  // namespace
