# Cross build for 32-bit Windows with Debian's mingw-w64 i686 toolchain
# (packages g++-mingw-w64-i686 and binutils-mingw-w64-i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(toolchain_prefix i686-w64-mingw32)
# The win32-threads flavour needs no winpthread DLL.
find_program(CMAKE_CXX_COMPILER NAMES ${toolchain_prefix}-g++-win32 ${toolchain_prefix}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${toolchain_prefix}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${toolchain_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
