#include "platform.h"

#include "console.h"

int GetConsoleColor() {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(output, &info)) return info.wAttributes;
    // Redirected output has no attributes to read.
    return DefaultConsoleColor;
}

void SetConsoleColor(int color) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    // Always the bright foreground. A failure (no console) leaves the text
    // uncoloured, which is all that can be done about it.
    SetConsoleTextAttribute(output, static_cast<WORD>((color & 0xFFFF) | FOREGROUND_INTENSITY));
}
