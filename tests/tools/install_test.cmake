# Installs the build tree into a fresh prefix and checks what a desktop needs of it: the programs, the
# menu entry and the software-centre record (both valid), and the icons.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DAPP_ID=<id> -P install_test.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected bin/terrako-diagraph bin/counter-emulator share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

find_program(desktop_file_validate desktop-file-validate REQUIRED)
find_program(appstreamcli appstreamcli REQUIRED)
execute_process(COMMAND ${desktop_file_validate} "${PREFIX}/share/applications/${APP_ID}.desktop"
    RESULT_VARIABLE desktop OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT desktop EQUAL 0 OR report)
    message(FATAL_ERROR "the menu entry is not valid:\n${report}")
endif()
execute_process(COMMAND ${appstreamcli} validate --no-net "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
    RESULT_VARIABLE metainfo OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT metainfo EQUAL 0)
    message(FATAL_ERROR "the software-centre record is not valid:\n${report}")
endif()
message(STATUS "installed and valid")
