# Nimbrel.exe: a 32-bit console program for Windows XP (5.1) and later that
# imports only from KERNEL32, ADVAPI32 and msvcrt.
enable_language(RC)

add_executable(Nimbrel
    src/main/main.cpp
    ${PRODUCT_SOURCES}
    res/Nimbrel.rc
)
target_include_directories(Nimbrel PRIVATE
    ${CMAKE_SOURCE_DIR}/src/platform/win32
    ${PRODUCT_INCLUDES}
)
target_compile_definitions(Nimbrel PRIVATE
    # Keep msvcrt's printf; mingw-w64 swaps in its own (and its imports)
    # otherwise.
    __USE_MINGW_ANSI_STDIO=0
    _WIN32_WINNT=0x0501
    WINVER=0x0501
    WIN32_LEAN_AND_MEAN
)
target_compile_options(Nimbrel PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${WARNINGS} -Os -fno-builtin-printf -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables>
    # Reproducible: no build paths in the image.
    $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build>
)
# windres sees the same generated version header as the code.
set_property(SOURCE res/Nimbrel.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/res/Nimbrel.manifest
    ${CMAKE_SOURCE_DIR}/res/Nimbrel.ico
    ${CMAKE_BINARY_DIR}/generated/version.h
)
target_link_options(Nimbrel PRIVATE
    -static
    -s
    -Wl,--subsystem,console
    -Wl,--major-os-version,5,--minor-os-version,1
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,--dynamicbase,--nxcompat
    # Reproducible: no link time in the PE header.
    -Wl,--no-insert-timestamp
)

# The end-to-end tests run the program under Wine, so only on a Linux host.
if(CMAKE_HOST_UNIX)
    enable_testing()
    add_subdirectory(tests/e2e)
endif()
