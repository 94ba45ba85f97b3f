# The libFuzzer target over the stand-in platform, with AddressSanitizer and
# UBSan. A short smoke run is a test; run it longer by hand with
#   build/fuzz/command_line_fuzz -max_total_time=3600 build/fuzz/corpus fuzz/corpus
set(FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(nimbrel_fuzz_core STATIC ${PRODUCT_SOURCES} ${STANDIN_DIR}/standin.cpp)
target_include_directories(nimbrel_fuzz_core PUBLIC ${STANDIN_DIR} ${PRODUCT_INCLUDES})
target_compile_options(nimbrel_fuzz_core PRIVATE ${WARNINGS} ${FUZZ_FLAGS} -fsanitize=fuzzer-no-link)

add_executable(command_line_fuzz src/main/command_line_fuzz.cpp)
target_link_libraries(command_line_fuzz PRIVATE nimbrel_fuzz_core)
target_compile_options(command_line_fuzz PRIVATE ${WARNINGS} ${FUZZ_FLAGS} -fsanitize=fuzzer)
target_link_options(command_line_fuzz PRIVATE ${FUZZ_FLAGS} -fsanitize=fuzzer)

set(NIMBREL_FUZZ_SECONDS 30 CACHE STRING "Length of the fuzzing smoke test")
add_test(NAME fuzz_smoke
    COMMAND ${CMAKE_COMMAND} -E env
        sh -c "mkdir -p corpus && exec $<TARGET_FILE:command_line_fuzz> -max_total_time=${NIMBREL_FUZZ_SECONDS} -print_final_stats=1 corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(fuzz_smoke PROPERTIES TIMEOUT 300)
