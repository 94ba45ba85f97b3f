# Static analysis and formatting, as tests of the native build.
set(PRODUCT_FILES ${PRODUCT_SOURCES} src/main/main.cpp)
list(TRANSFORM PRODUCT_FILES PREPEND ${CMAKE_SOURCE_DIR}/)

find_program(CLANG_TIDY NAMES clang-tidy-14 clang-tidy REQUIRED)
find_program(CPPCHECK cppcheck REQUIRED)
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format REQUIRED)

add_test(NAME lint.clang_tidy
    COMMAND ${CLANG_TIDY} -p ${CMAKE_BINARY_DIR} --quiet --warnings-as-errors=* ${PRODUCT_FILES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(lint.clang_tidy PROPERTIES TIMEOUT 600)

add_test(NAME lint.cppcheck
    COMMAND ${CPPCHECK} --quiet --error-exitcode=1 --enable=warning,style,performance,portability
        --inline-suppr
        --std=c++17 --language=c++ -D__GNUC__
        -I ${STANDIN_DIR} -I ${CMAKE_SOURCE_DIR}/src/console -I ${CMAKE_SOURCE_DIR}/src/main
        -I ${CMAKE_SOURCE_DIR}/src/visibility -I ${CMAKE_BINARY_DIR}/generated
        ${PRODUCT_FILES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})

add_test(NAME lint.format
    COMMAND sh -c "git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs ${CLANG_FORMAT} --dry-run -Werror"
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
