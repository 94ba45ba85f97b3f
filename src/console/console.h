// Console presentation: text colours, the red error reporter and the two
// fixed screens. Every routine here gives back the colour it found.
#pragma once

// A colour is a console attribute word (foreground bits 0-3, background
// bits 4-7, display flags 8-15) carried in an int.
const int ColorGreen = 2;
const int ColorRed = 4;
const int ColorWhite = 7;
const int DefaultConsoleColor = 15;  // what an unreadable console reads as

// Size of the buffer that PrintError formats into; a message keeps at most
// ErrorBufferSize - 1 characters.
const int ErrorBufferSize = 4096;
extern char ErrorBuffer[ErrorBufferSize];

extern const char* const ProductTitle;
extern const char* const ProductVersion;
extern const char* const ProductWebAddress;
extern const char* const ProductFileName;

int GetConsoleColor();
void SetConsoleColor(int color);

void PrintError(const char* format, ...) __attribute__((format(__printf__, 1, 2)));

void PrintBanner();
void PrintHelp();
