# Writes a manual page from its template and the program's own --help, so that the page lists every
# job and option the program has.
#   cmake -DPROGRAM=<exe> -DTEMPLATE=<x.1.in> -DOUTPUT=<x.1> -DVERSION=<v> -DSTYLE=jobs|verbatim
#         -P MakeManPage.cmake
# jobs: each help line "  terrako-diagraph JOB ...   what it does" becomes a tagged paragraph;
# verbatim: the help is kept line for line.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "${PROGRAM}" --help
    OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --help failed")
endif()

function(roff_escape text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    # Japanese has no blanks to break at: it may break after its punctuation.
    foreach(mark "、" "。" "）")
        string(REPLACE "${mark}" "${mark}\\:" text "${text}")
    endforeach()
    if(text MATCHES "^[.']")
        set(text "\\&${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(body "")
foreach(line IN LISTS lines)
    if(STYLE STREQUAL "jobs")
        if(line MATCHES "^  ([^ ].*[^ ])   +([^ ].*)$")
            roff_escape("${CMAKE_MATCH_1}" command)
            roff_escape("${CMAKE_MATCH_2}" what)
            string(APPEND body ".TP\n.B ${command}\n${what}\n")
        endif()
    else()
        roff_escape("${line}" text)
        string(APPEND body "${text}\n")
    endif()
endforeach()
string(STRIP "${body}" body)
if(body STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --help gave nothing for the manual page")
endif()

file(READ "${TEMPLATE}" page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@COMMANDS@" "${body}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
