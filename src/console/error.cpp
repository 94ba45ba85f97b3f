#include "platform.h"

#include "console.h"

char ErrorBuffer[ErrorBufferSize];

void PrintError(const char* format, ...) {
    // Formatted with a hard limit and terminated by hand: a message too long
    // for the buffer is cut to its first ErrorBufferSize - 1 characters
    // rather than left unterminated or ending the process.
    va_list args;
    va_start(args, format);
    _vsnprintf(ErrorBuffer, ErrorBufferSize - 1, format, args);
    va_end(args);
    ErrorBuffer[ErrorBufferSize - 1] = '\0';

    const int saved = GetConsoleColor();
    SetConsoleColor(ColorRed);
    // As data, so that a percent sign in the message is not read twice.
    printf("%s", ErrorBuffer);
    SetConsoleColor(saved);
}
