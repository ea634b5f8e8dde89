# SPDX-License-Identifier: MIT
# Compiles the help: copies the listed files into a clean staging folder (so
# that nothing is written into the source tree), runs chmcmd there, and fails
# on anything chmcmd reports about missing files or duplicate anchors, which
# it otherwise only prints. Then lists the compiled file with LISTER and
# fails unless it holds exactly the listed files: chmcmd also packs whatever
# a page links to, a file outside the help's folder included.
#
# A listed file that SOURCE_DIR does not hold is taken from FALLBACK_DIR
# when one is given (a translation takes the English help's pictures).
#
# -DCHMCMD= -DLISTER= [-DLISTER_EMULATOR=] -DSOURCE_DIR= [-DFALLBACK_DIR=] -DSTAGE_DIR= -DFILES=a|b|c -DPROJECT= -DOUTPUT=

string(REPLACE "|" ";" files "${FILES}")
file(REMOVE_RECURSE ${STAGE_DIR})
foreach(f IN LISTS files)
    set(from ${SOURCE_DIR}/${f})
    if(NOT EXISTS ${from} AND FALLBACK_DIR)
        set(from ${FALLBACK_DIR}/${f})
    endif()
    if(NOT EXISTS ${from})
        message(FATAL_ERROR "The help project lists ${f}, which does not exist in ${SOURCE_DIR}")
    endif()
    get_filename_component(dir ${f} DIRECTORY)
    file(COPY ${from} DESTINATION ${STAGE_DIR}/${dir})
endforeach()

execute_process(
    COMMAND ${CHMCMD} ${PROJECT}
    WORKING_DIRECTORY ${STAGE_DIR}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)

string(REGEX REPLACE "\n$" "" out "${out}")
string(REPLACE "\n" ";" lines "${out}")
set(problems)
foreach(line IN LISTS lines)
    # chmcmd 3.2 checks anchors in pages inside folders against the page's
    # name alone and reports every such link as undefined; the help tests
    # check every link and anchor against the compiled file instead.
    if(line MATCHES "^Error: Anchor .* undefined")
        continue()
    endif()
    if(line MATCHES "^(Warning|Error)")
        list(APPEND problems "${line}")
    endif()
endforeach()

get_filename_component(compiled ${PROJECT} NAME_WE)
set(compiled ${STAGE_DIR}/${compiled}.chm)
if(NOT result EQUAL 0 OR NOT EXISTS ${compiled} OR problems)
    string(REPLACE ";" "\n" problems "${problems}")
    message(FATAL_ERROR "chmcmd failed (exit status ${result}):\n${problems}\n${out}\n${err}")
endif()

# The archive's files against the list. The project file is not packed;
# chmcmd adds a note of its own, "/_#_README_#_".
execute_process(
    COMMAND ${LISTER_EMULATOR} ${LISTER} ${compiled}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE listed
    ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The compiled help cannot be listed (exit status ${result}): ${err}")
endif()
string(REPLACE "\r" "" listed "${listed}")
string(REGEX REPLACE "\n$" "" listed "${listed}")
string(REPLACE "\n" ";" listed "${listed}")
set(expected "/_#_readme_#_")
foreach(f IN LISTS files)
    if(NOT f STREQUAL PROJECT)
        string(TOLOWER "/${f}" f)
        list(APPEND expected "${f}")
    endif()
endforeach()
set(extra)
foreach(entry IN LISTS listed)
    string(TOLOWER "${entry}" key)
    list(FIND expected "${key}" at)
    if(at EQUAL -1)
        list(APPEND extra "${entry}")
    else()
        list(REMOVE_AT expected ${at})
    endif()
endforeach()
if(extra OR expected)
    set(report "The compiled help does not hold exactly the files listed in ${PROJECT}.")
    if(extra)
        string(REPLACE ";" " " extra "${extra}")
        string(APPEND report " Packed although not listed (a page links to them): ${extra}.")
    endif()
    if(expected)
        string(REPLACE ";" " " expected "${expected}")
        string(APPEND report " Listed but not packed: ${expected}.")
    endif()
    message(FATAL_ERROR "${report}")
endif()

file(COPY_FILE ${compiled} ${OUTPUT})
