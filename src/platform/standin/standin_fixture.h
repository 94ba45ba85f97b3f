// Base fixture for tests over the stand-in platform: every test starts from
// a fresh process's state.
#pragma once

#include <gtest/gtest.h>

#include "standin_control.h"

class StandinTest : public ::testing::Test {
protected:
    void SetUp() override { StandinReset(); }
};

// Makes the server parameters key refuse to open with `status`: a missing
// key for ERROR_FILE_NOT_FOUND, as the registry would, else an injected
// failure.
inline void RefuseServerKey(LONG status) {
    if (status == ERROR_FILE_NOT_FOUND)
        StandinRemoveServerKey();
    else
        StandinFailCall(StandinCall::RegOpenKeyExA, status);
}

// Attribute words as the console shows the palette once SetConsoleColor has
// added the bright bit.
const WORD BrightGreen = 10;
const WORD BrightRed = 12;
const WORD BrightWhite = 15;
