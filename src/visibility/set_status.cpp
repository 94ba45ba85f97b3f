#include "platform.h"

#include "console.h"
#include "server_key.h"
#include "visibility.h"

namespace {

const char* const OpenFailureFormat =
    "\n\n [*] Error: Failed to open Windows Registry. Make sure you have Administrator rights. \n Error "
    "Code=0x%.8x\n\n";
const char* const WriteFailureFormat =
    "\n\n Error: Failed to %s Your Computer. Make sure you have Administrator rights. \n Error Code=0x%.8x\n\n";
const char* const RestartNote =
    "\n\n\n Note: You have to restart the system for changes to take effect. It may take an hour or two for it to be "
    "effective across the network.\n\n";

// Tells what the stored value is and whether `requested` still has to be
// written. Only exactly 1 counts as hidden and only exactly 0 as visible.
bool ReportCurrentStatus(LONG readStatus, DWORD stored, DWORD requested) {
    if (readStatus != ERROR_SUCCESS) {
        printf("\n\t Failed to get the current status, Anyway going ahead now...");
        return true;
    }
    if (stored == 1) {
        if (requested == 1) {
            printf("\n\n\n [*] Your Computer is already Hidden on the Network\n\n");
            return false;
        }
        printf("\n\n\n [*] Your Computer is currently Hidden on the Network, Making it Visible Now");
        return true;
    }
    if (stored == 0 && requested == 0) {
        printf("\n\n\n [*] Your Computer is already Visible on the Network\n\n");
        return false;
    }
    if (requested == 1) {
        printf("\n\n\n [*] Your Computer is currently Visible on the Network, Hiding it Now");
        return true;
    }
    printf("\n\n\n [*] Your Computer has an unrecognised Hidden setting, Making it Visible Now");
    return true;
}

void StoreRequested(HKEY key, DWORD requested) {
    const bool hide = requested == 1;
    const LONG written = WriteHiddenValue(key, requested);
    if (written != ERROR_SUCCESS) {
        PrintError(WriteFailureFormat, hide ? "HIDE" : "UNHIDE", static_cast<unsigned>(written));
        return;
    }
    if (hide)
        printf("\n\n\n [*] Successfully Hidden Your Computer on the Network");
    else
        printf("\n\n\n [*] Successfully Made Your Computer Visible on the Network");
    SetConsoleColor(ColorWhite);
    printf("%s", RestartNote);
}

}  // namespace

void SetHiddenStatus(DWORD hidden) {
    PrintBanner();
    const BOOL wow64 = IsWow64();
    const int saved = GetConsoleColor();
    SetConsoleColor(ColorGreen);
    printf("\n\n [*] %s Your Computer on the Network", hidden == 1 ? "Hiding" : "Unhiding");

    HKEY key;
    const LONG opened = OpenServerParameters(wow64, &key);
    if (opened != ERROR_SUCCESS) {
        PrintError(OpenFailureFormat, static_cast<unsigned>(opened));
        SetConsoleColor(saved);
        return;
    }

    printf("\n\n\n [*] Checking for the current Hidden status of Your Computer");
    DWORD stored;
    const LONG read = ReadHiddenValue(key, &stored);
    if (ReportCurrentStatus(read, stored, hidden)) StoreRequested(key, hidden);

    CloseServerParameters(key);
    SetConsoleColor(saved);
}
