# Builds Nimbrel.exe twice more from the same sources in two fresh build
# trees and fails unless both match the main build byte for byte.
foreach(tree a b)
    set(dir ${WORK}/${tree})
    file(REMOVE_RECURSE ${dir})
    execute_process(COMMAND ${CMAKE_COMMAND} --preset windows -B ${dir}
                    WORKING_DIRECTORY ${SOURCE} OUTPUT_QUIET RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "configure of ${dir} failed")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir} --target Nimbrel -j 2
                    OUTPUT_QUIET RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "build in ${dir} failed")
    endif()
    file(SHA256 ${dir}/Nimbrel.exe hash_${tree})
endforeach()
file(SHA256 ${EXE} hash_main)
message(STATUS "SHA-256: ${hash_main} (main), ${hash_a}, ${hash_b}")
if(NOT hash_a STREQUAL hash_b OR NOT hash_a STREQUAL hash_main)
    message(FATAL_ERROR "Nimbrel.exe is not reproducible")
endif()
file(REMOVE_RECURSE ${WORK})
