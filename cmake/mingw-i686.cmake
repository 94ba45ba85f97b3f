# Cross build for 32-bit Windows with Debian's mingw-w64 i686 toolchain
# (packages g++-mingw-w64-i686 and binutils-mingw-w64-i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(toolchain_prefix i686-w64-mingw32)
# The win32-threads flavour needs no winpthread DLL. On a Windows host
# (MSYS2's MINGW32 shell) the same toolchain goes by its plain names.
set(cxx_names ${toolchain_prefix}-g++-win32 ${toolchain_prefix}-g++)
set(rc_names ${toolchain_prefix}-windres)
if(CMAKE_HOST_WIN32)
    list(APPEND cxx_names g++)
    list(APPEND rc_names windres)
endif()
find_program(CMAKE_CXX_COMPILER NAMES ${cxx_names} REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${rc_names} REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${toolchain_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
