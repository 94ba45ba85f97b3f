#include "platform.h"

#include "command_line.h"

// Every run ends with status 0, failures included: the console text is the
// only report, and scripts that call the program rely on that.
int main(int argc, char* argv[]) {
    RunCommandLine(argc, argv);
    exit(0);
}
