// The real platform: Win32 and the msvcrt run-time library.
#pragma once

// <stdio.h> comes first, with __USE_MINGW_ANSI_STDIO=0 from the build, so
// that printf binds to msvcrt's own and not to mingw-w64's larger replacement.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <conio.h>
#include <windows.h>
