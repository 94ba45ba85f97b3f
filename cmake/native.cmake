# Native build for the unit tests: the product sources over the Linux
# stand-in platform, tested with GoogleTest.
enable_testing()
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

option(NIMBREL_SANITIZE "Build the unit tests with AddressSanitizer and UBSan" OFF)
if(NIMBREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

set(STANDIN_DIR ${CMAKE_SOURCE_DIR}/src/platform/standin)

option(NIMBREL_FUZZ "Build only the libFuzzer target (needs clang)" OFF)
if(NIMBREL_FUZZ)
    include(${CMAKE_SOURCE_DIR}/cmake/fuzz.cmake)
    return()
endif()

find_package(GTest REQUIRED)

add_library(nimbrel_core STATIC ${PRODUCT_SOURCES} ${STANDIN_DIR}/standin.cpp)
target_include_directories(nimbrel_core PUBLIC ${STANDIN_DIR} ${PRODUCT_INCLUDES})
target_compile_options(nimbrel_core PRIVATE ${WARNINGS})

# main itself, renamed so that a test can run it in a child process.
add_library(nimbrel_main OBJECT src/main/main.cpp)
target_compile_definitions(nimbrel_main PRIVATE main=NimbrelMain)
target_link_libraries(nimbrel_main PRIVATE nimbrel_core)
target_compile_options(nimbrel_main PRIVATE ${WARNINGS})

add_executable(unit_tests
    src/console/colors_test.cpp
    src/console/error_test.cpp
    src/console/screens_test.cpp
    src/main/command_line_test.cpp
    src/main/main_test.cpp
    src/visibility/server_key_test.cpp
    src/visibility/show_status_test.cpp
    src/visibility/set_status_test.cpp
    $<TARGET_OBJECTS:nimbrel_main>
)
target_link_libraries(unit_tests PRIVATE nimbrel_core GTest::gtest GTest::gtest_main)
target_compile_options(unit_tests PRIVATE ${WARNINGS})
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 30)

add_test(NAME icon_is_reproducible
    COMMAND ${CMAKE_COMMAND}
        -DPYTHON=python3
        -DGENERATOR=${CMAKE_SOURCE_DIR}/res/make_icon.py
        -DCOMMITTED=${CMAKE_SOURCE_DIR}/res/Nimbrel.ico
        -DOUTPUT=${CMAKE_BINARY_DIR}/Nimbrel.ico
        -P ${CMAKE_SOURCE_DIR}/cmake/check_icon.cmake)

# Linting looks at the sources, not the build: once is enough.
if(NOT NIMBREL_SANITIZE)
    include(${CMAKE_SOURCE_DIR}/cmake/lint.cmake)
endif()
