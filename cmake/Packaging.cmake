# What a Debian system needs beyond the programs: the file type of the data files, the manual pages, and
# the package made of it all by CPack (./run package).

# The data files' type, so that file managers show them as the program's and open them with it.
install(FILES data/${TERRAKO_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME ${TERRAKO_APP_ID}.xml)

# The manual pages, written from the programs' own --help so that they name every job and option.
set(man_dir ${PROJECT_BINARY_DIR}/man)
set(man_pages)
foreach(page IN ITEMS "terrako-diagraph;jobs" "counter-emulator;verbatim")
    list(GET page 0 program)
    list(GET page 1 style)
    set(roff ${man_dir}/${program}.1)
    add_custom_command(OUTPUT ${roff}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}>
            -DTEMPLATE=${PROJECT_SOURCE_DIR}/data/${program}.1.in -DOUTPUT=${roff}
            -DVERSION=${PROJECT_VERSION} -DSTYLE=${style} -P ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
        COMMAND gzip -9nf ${roff}
        DEPENDS ${program} ${PROJECT_SOURCE_DIR}/data/${program}.1.in
            ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
        COMMENT "Writing the manual page of ${program}")
    list(APPEND man_pages ${roff}.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian's documentation of a package: its copyright and its changelog, compressed as policy asks.
set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/changelog > ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES data/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME terrako-diagraph)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The テラコダイヤグラフ developers <terrako-diagraph@terrako.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hasegawa-type soil penetration test: counter, diagrams, forms")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "テラコダイヤグラフ reads the recording counter of the Hasegawa-type soil
penetration test over a serial line, lets the engineer correct the readings
point by point, derives the penetration and the softness (cm per drop) of
every drop, draws the softness-depth diagram with its softness classes,
prints a test form per point and keeps the work in text data files.
.
A counter emulator on a pseudo-terminal comes with it, for trying the
program without a counter.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://terrako.org/diagraph")
# The libraries the programs link, as dpkg-shlibdeps finds them; besides them the window system's Qt
# plugins and the faces the program maps its font names onto, which nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-mincho, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE debian_architecture
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(debian_architecture)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${debian_architecture})
    set(CPACK_DEBIAN_FILE_NAME "terrako-diagraph_${PROJECT_VERSION}_${debian_architecture}.deb")
endif()
include(CPack)
