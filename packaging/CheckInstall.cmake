# cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
# Installs the build into PREFIX and fails unless exactly the expected files
# are there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/svdb
    bin/svdeck
    share/applications/svdb.desktop
    share/icons/hicolor/128x128/apps/svdb.png
    share/icons/hicolor/256x256/apps/svdb.png
    share/icons/hicolor/48x48/apps/svdb.png
    share/icons/hicolor/scalable/apps/svdb.svg
    share/svdb/SVANLIST.csv)
file(GLOB_RECURSE found RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
    string(REPLACE ";" "\n  " found_text "${found}")
    string(REPLACE ";" "\n  " expected_text "${expected}")
    message(FATAL_ERROR "installed files:\n  ${found_text}\nexpected:\n  ${expected_text}")
endif()
foreach(program svdb svdeck)
    execute_process(COMMAND test -x "${PREFIX}/bin/${program}" RESULT_VARIABLE not_executable)
    if(not_executable)
        message(FATAL_ERROR "bin/${program} is not executable")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
