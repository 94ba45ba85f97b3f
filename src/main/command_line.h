// The command line: which argument runs which command.
#pragma once

struct CommandRow {
    const char* argument;
    void (*call)();
};

extern const CommandRow CommandTable[];

// The row whose text equals `argument` with A-Z folded, or null.
const CommandRow* FindCommand(const char* argument);

// One run of the program: everything main does before it exits.
void RunCommandLine(int argc, char* argv[]);
