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
    share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/icons/hicolor/scalable/mimetypes/${MIME_ICON}.svg share/mime/packages/${APP_ID}.xml
    share/man/man1/terrako-diagraph.1.gz share/man/man1/counter-emulator.1.gz)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png
        share/icons/hicolor/${size}x${size}/mimetypes/${MIME_ICON}.png)
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
# The file type: a data file is the program's by its signature, another text file stays plain text.
find_program(update_mime_database update-mime-database REQUIRED)
find_program(gio gio REQUIRED)
execute_process(COMMAND ${update_mime_database} "${PREFIX}/share/mime" RESULT_VARIABLE mime ERROR_VARIABLE report)
if(NOT mime EQUAL 0)
    message(FATAL_ERROR "update-mime-database failed:\n${report}")
endif()
file(WRITE "${PREFIX}/site.txt" "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"50cm\",0\r\n")
file(WRITE "${PREFIX}/notes.txt" "KORVANDEL is the signature of the data files.\n")
foreach(case "site.txt;application/x-terrako-diagraph" "notes.txt;text/plain")
    list(GET case 0 name)
    list(GET case 1 type)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "XDG_DATA_DIRS=${PREFIX}/share:/usr/share"
        "XDG_DATA_HOME=${PREFIX}/no-user-data" ${gio} info -a standard::content-type "${PREFIX}/${name}"
        OUTPUT_VARIABLE info)
    if(NOT info MATCHES "standard::content-type: ${type}\n")
        message(FATAL_ERROR "${name} is not ${type}:\n${info}")
    endif()
endforeach()

# The manual pages format without a warning.
foreach(page terrako-diagraph counter-emulator)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 man --warnings -l
        "${PREFIX}/share/man/man1/${page}.1.gz" RESULT_VARIABLE man OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
    if(NOT man EQUAL 0 OR warnings OR NOT text MATCHES "report|dump")
        message(FATAL_ERROR "the manual page of ${page} does not format cleanly:\n${warnings}")
    endif()
endforeach()
message(STATUS "installed and valid")
