#include "platform.h"

#include "command_line.h"
#include "console.h"
#include "visibility.h"

namespace {

void Unhide() { SetHiddenStatus(0); }
void Hide() { SetHiddenStatus(1); }

// Started by double-click from Explorer, a console program's window closes
// the moment it ends; a command prompt always sets PROMPT, so its absence
// is the sign to keep the window open until the user has read it.
void WaitIfNotStartedFromPrompt() {
    char prompt[128];
    if (GetEnvironmentVariableA("PROMPT", prompt, sizeof prompt) != 0) return;
    SetConsoleColor(ColorRed);
    printf("\n This is a console application. Kindly Run it from the CMD Prompt!");
    printf("\n\n Press any key to exit....\n");
    _getch();
}

}  // namespace

const CommandRow CommandTable[] = {
    {"0", Unhide},
    {"1", Hide},
    {"-s", ShowHiddenStatus},
    {"-h", PrintHelp},
};

const CommandRow* FindCommand(const char* argument) {
    // Four rows, searched in order; a plain loop says that best.
    for (const CommandRow& row : CommandTable)
        // cppcheck-suppress useStlAlgorithm
        if (_stricmp(argument, row.argument) == 0) return &row;
    return nullptr;
}

void RunCommandLine(int argc, char* argv[]) {
    const int saved = GetConsoleColor();
    if (argc == 1) {
        PrintHelp();
        WaitIfNotStartedFromPrompt();
    } else if (argc == 2) {
        if (const CommandRow* row = FindCommand(argv[1])) {
            row->call();
        } else {
            PrintHelp();
            PrintError("\n\n Error: Invalid parameters specified.\n\n");
        }
    } else {
        PrintHelp();
        PrintError("\n\n Error: Invalid input parameters. Kindly see the above examples and try again.\n\n");
    }
    SetConsoleColor(saved);
}
