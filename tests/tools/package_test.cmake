# Makes the Debian package of a build tree and checks it: the files a desktop needs, the control fields
# (dependencies computed and the fonts added, the section), and no error from lintian.
#   cmake -DBUILD_DIR=<build> -DOUT=<folder> -DAPP_ID=<id> -P package_test.cmake
cmake_minimum_required(VERSION 3.25)
find_program(dpkg_deb dpkg-deb)
if(NOT dpkg_deb)
    message(STATUS "skipped: dpkg-deb is missing, so no Debian package can be made here")
    return()
endif()
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
file(GLOB deb "${OUT}/terrako-diagraph_*.deb")
if(NOT result EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "cpack made no package:\n${report}")
endif()

execute_process(COMMAND ${dpkg_deb} --contents "${deb}" OUTPUT_VARIABLE contents)
foreach(file usr/bin/terrako-diagraph usr/bin/counter-emulator usr/share/applications/${APP_ID}.desktop
        usr/share/metainfo/${APP_ID}.metainfo.xml usr/share/mime/packages/${APP_ID}.xml
        usr/share/man/man1/terrako-diagraph.1.gz usr/share/doc/terrako-diagraph/copyright
        usr/share/doc/terrako-diagraph/changelog.gz
        usr/share/icons/hicolor/48x48/mimetypes/application-x-terrako-diagraph.png)
    if(NOT contents MATCHES " \\./${file}\n")
        message(FATAL_ERROR "not in the package: ${file}\n${contents}")
    endif()
endforeach()

execute_process(COMMAND ${dpkg_deb} --field "${deb}" Depends Section OUTPUT_VARIABLE fields)
foreach(expected "fonts-ipafont-mincho" "fonts-ipafont-gothic" "libqt6widgets6" "qt6-qpa-plugins"
        "Section: science")
    string(FIND "${fields}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the control fields lack ${expected}:\n${fields}")
    endif()
endforeach()

find_program(lintian lintian)
if(lintian)
    execute_process(COMMAND ${lintian} --fail-on error "${deb}" RESULT_VARIABLE verdict
        OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT verdict EQUAL 0)
        message(FATAL_ERROR "lintian found errors:\n${report}")
    endif()
    message(STATUS "lintian: ${report}")
else()
    message(STATUS "lintian is not installed; the package was not linted")
endif()
message(STATUS "package made and checked: ${deb}")
