#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin_control.h"

int NimbrelMain(int argc, char* argv[]);

namespace {

// main never returns: it ends the process, always with status 0.
TEST(MainDeathTest, EveryPathExitsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<std::vector<std::string>> commandLines = {{}, {"-h"}, {"-s"}, {"1"}, {"0"}, {"bad"}, {"1", "-s"}};
    for (auto arguments : commandLines) {
        arguments.insert(arguments.begin(), "Nimbrel.exe");
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        EXPECT_EXIT(
            {
                StandinReset();
                StandinRemoveServerKey();  // registry failures too
                NimbrelMain(static_cast<int>(arguments.size()), argv.data());
            },
            ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace
