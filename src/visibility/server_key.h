// The server service's parameters key and its HIDDEN value. Nothing here
// prints: each operation hands back the registry's status unchanged and the
// calling command decides what to tell the user.
#pragma once

#include "platform.h"

extern const char* const ServerParametersPath;
extern const char* const HiddenValueName;

typedef BOOL(WINAPI* IsWow64ProcessFunction)(HANDLE process, PBOOL wow64);

// Looked up afresh by every IsWow64 call; null where kernel32 lacks it.
extern IsWow64ProcessFunction IsWow64ProcessEntry;

// Non-zero when this 32-bit process runs under WOW64 on 64-bit Windows.
BOOL IsWow64();

LONG OpenServerParameters(BOOL wow64, HKEY* key);
LONG ReadHiddenValue(HKEY key, DWORD* hidden);
LONG WriteHiddenValue(HKEY key, DWORD hidden);
void CloseServerParameters(HKEY key);
