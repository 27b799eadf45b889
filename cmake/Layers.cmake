# The layers of the application, enforced by the build:
#   logic libraries (model, datafile, counter, diagram, print, commands) and the platform seams link
#   QtCore only;
#   window libraries may link Qt Widgets, Gui, PrintSupport and SerialPort.
# terrako_check_layers() at the end of the top-level list refuses a logic library that links anything else.

set_property(GLOBAL PROPERTY TERRAKO_LOGIC_LIBRARIES "")

function(terrako_logic_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
    set_property(GLOBAL APPEND PROPERTY TERRAKO_LOGIC_LIBRARIES ${name})
endfunction()

function(terrako_window_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_DEPENDS})
endfunction()

function(terrako_check_layers)
    get_property(logic GLOBAL PROPERTY TERRAKO_LOGIC_LIBRARIES)
    foreach(target IN LISTS logic)
        get_target_property(links ${target} LINK_LIBRARIES)
        foreach(link IN LISTS links)
            if(NOT link STREQUAL "Qt6::Core" AND NOT link IN_LIST logic)
                message(FATAL_ERROR
                    "${target} is a logic library: it may link QtCore and other logic libraries only, not ${link}")
            endif()
        endforeach()
    endforeach()
endfunction()
