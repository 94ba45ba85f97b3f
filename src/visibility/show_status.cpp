#include "platform.h"

#include "console.h"
#include "server_key.h"
#include "visibility.h"

namespace {

const char* const OpenFailureFormat = "\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x%.8x\n\n";

}  // namespace

void ShowHiddenStatus() {
    PrintBanner();
    const BOOL wow64 = IsWow64();
    const int saved = GetConsoleColor();
    SetConsoleColor(ColorGreen);

    HKEY key;
    const LONG opened = OpenServerParameters(wow64, &key);
    if (opened != ERROR_SUCCESS) {
        PrintError(OpenFailureFormat, static_cast<unsigned>(opened));
        SetConsoleColor(saved);
        return;
    }

    printf("\n\n [*] Checking for the current Hidden status of Your Computer");
    DWORD hidden;
    // A value that can't be read counts as not hidden; only exactly 1 hides.
    if (ReadHiddenValue(key, &hidden) == ERROR_SUCCESS && hidden == 1)
        printf("\n\n\n [*] Your Computer is currently HIDDEN on the Network");
    else
        printf("\n\n\n [*] Your Computer is currently NOT HIDDEN on the Network");
    printf("\n\n");

    CloseServerParameters(key);
    SetConsoleColor(saved);
}
