// The Linux stand-in for the Windows and run-time calls that Nimbrel makes.
// This header is the whole surface: every call the program needs from the
// platform is declared here, with the types and constants those calls use.
// standin.cpp implements them as the platform documents them, and
// standin_control.h lets tests set the platform's state, inject failures and
// read back what the program did.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// ---- Types -----------------------------------------------------------------
#define WINAPI
#define CONST const
typedef int BOOL;
typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef short SHORT;
typedef DWORD REGSAM;
typedef void* HANDLE;
typedef BOOL* PBOOL;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef const BYTE* LPCBYTE;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef struct HINSTANCE__* HMODULE;
typedef std::intptr_t(WINAPI* FARPROC)();

typedef struct _COORD {
    SHORT X;
    SHORT Y;
} COORD;

typedef struct _SMALL_RECT {
    SHORT Left;
    SHORT Top;
    SHORT Right;
    SHORT Bottom;
} SMALL_RECT;

typedef struct _CONSOLE_SCREEN_BUFFER_INFO {
    COORD dwSize;
    COORD dwCursorPosition;
    WORD wAttributes;
    SMALL_RECT srWindow;
    COORD dwMaximumWindowSize;
} CONSOLE_SCREEN_BUFFER_INFO, *PCONSOLE_SCREEN_BUFFER_INFO;

// ---- Constants ---------------------------------------------------------------
#define FALSE 0
#define TRUE 1

#define STD_OUTPUT_HANDLE (static_cast<DWORD>(-11))
#define FOREGROUND_BLUE 0x0001
#define FOREGROUND_GREEN 0x0002
#define FOREGROUND_RED 0x0004
#define FOREGROUND_INTENSITY 0x0008

#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_WOW64_64KEY 0x0100

#define REG_NONE 0
#define REG_SZ 1
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_QWORD 11

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_MORE_DATA 234L

// ---- Console ------------------------------------------------------------------
HANDLE GetStdHandle(DWORD nStdHandle);
BOOL GetConsoleScreenBufferInfo(HANDLE hConsoleOutput, PCONSOLE_SCREEN_BUFFER_INFO info);
BOOL SetConsoleTextAttribute(HANDLE hConsoleOutput, WORD wAttributes);

// ---- Environment ----------------------------------------------------------------
DWORD GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize);

// ---- Registry --------------------------------------------------------------------
LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData);
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData);
LONG RegCloseKey(HKEY hKey);

// ---- Process (IsWow64Process itself is reached only through GetProcAddress) --------
HMODULE GetModuleHandleA(LPCSTR lpModuleName);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
HANDLE GetCurrentProcess();

// ---- Run-time library ------------------------------------------------------------
// printf is recorded together with the console attribute in force, as a real
// console would show it. exit is the C library's own.
int StandinPrintf(const char* format, ...) __attribute__((format(__printf__, 1, 2)));
#define printf StandinPrintf
int _stricmp(const char* a, const char* b);
int _getch();
int _vsnprintf(char* buffer, std::size_t count, const char* format, va_list args)
    __attribute__((format(__printf__, 3, 0)));
