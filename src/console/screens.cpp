#include "platform.h"

#include "console.h"
#include "version.h"

const char* const ProductTitle = "Nimbrel";
const char* const ProductVersion = NIMBREL_VERSION_SHORT;
const char* const ProductWebAddress = "http://www.kestrune.example/nimbrel/";
const char* const ProductFileName = "Nimbrel";

namespace {

const char* const Rule = "\n\n****************************************************************";

void PrintTitle() {
    printf("%s", Rule);
    printf("\n\n    %s v%s by Kestrune", ProductTitle, ProductVersion);
    printf("\n\n    %s", ProductWebAddress);
}

}  // namespace

void PrintBanner() {
    const int saved = GetConsoleColor();
    SetConsoleColor(ColorWhite);
    PrintTitle();
    printf("%s\n", Rule);
    SetConsoleColor(saved);
}

void PrintHelp() {
    const int saved = GetConsoleColor();
    SetConsoleColor(ColorWhite);
    PrintTitle();
    printf("%s", Rule);

    SetConsoleColor(ColorGreen);
    printf("\n\n\n Usage: \n\t %s.exe [1 | 0 | -s | -h]  ", ProductFileName);
    printf("\n\n\n Examples:\n");
    printf("\n\n\t // Hide Your Computer on the Network");
    printf("\n\t %s.exe 1", ProductFileName);
    printf("\n\n\t // Unhide Your Computer on the Network");
    printf("\n\t %s.exe 0", ProductFileName);
    printf("\n\n\t //Show Current Status of Your Computer's Visibility");
    printf("\n\t %s.exe -s", ProductFileName);
    printf("\n\n\t // Show this help screen");
    printf("\n\t %s.exe -h", ProductFileName);
    printf("\n\n");
    SetConsoleColor(saved);
}
