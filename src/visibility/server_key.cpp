#include "platform.h"

#include "server_key.h"

const char* const ServerParametersPath = "SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
const char* const HiddenValueName = "HIDDEN";

IsWow64ProcessFunction IsWow64ProcessEntry = nullptr;

BOOL IsWow64() {
    // Looked up by name: early XP's kernel32 has no IsWow64Process, and an
    // import of it would stop the program from loading there at all.
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    IsWow64ProcessEntry = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel32, "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (IsWow64ProcessEntry == nullptr) return FALSE;
    IsWow64ProcessEntry(GetCurrentProcess(), &wow64);
    return wow64;
}

LONG OpenServerParameters(BOOL wow64, HKEY* key) {
    // Read and write access for both commands alike. A 32-bit process on
    // 64-bit Windows must ask for the 64-bit view, or the registry hands it
    // the redirected 32-bit copy that the Server service never reads.
    REGSAM access = KEY_READ | KEY_WRITE;
    if (wow64) access |= KEY_WOW64_64KEY;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, ServerParametersPath, 0, access, key);
}

LONG ReadHiddenValue(HKEY key, DWORD* hidden) {
    // Preset to 2 so that an empty value reads as neither hidden nor
    // visible. The type is deliberately not checked: the value is taken by
    // its bytes, however it was stored.
    *hidden = 2;
    DWORD type;
    DWORD size = sizeof *hidden;
    return RegQueryValueExA(key, HiddenValueName, nullptr, &type, reinterpret_cast<LPBYTE>(hidden), &size);
}

LONG WriteHiddenValue(HKEY key, DWORD hidden) {
    return RegSetValueExA(key, HiddenValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&hidden), sizeof hidden);
}

void CloseServerParameters(HKEY key) { RegCloseKey(key); }
