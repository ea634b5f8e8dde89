# Compiles the help: copies the listed files into a clean staging folder (so
# that nothing is written into the source tree), runs chmcmd there, and fails
# on anything chmcmd reports about missing files or duplicate anchors, which
# it otherwise only prints.
#
# -DCHMCMD= -DSOURCE_DIR= -DSTAGE_DIR= -DFILES=a|b|c -DPROJECT= -DOUTPUT=

string(REPLACE "|" ";" files "${FILES}")
file(REMOVE_RECURSE ${STAGE_DIR})
foreach(f IN LISTS files)
    if(NOT EXISTS ${SOURCE_DIR}/${f})
        message(FATAL_ERROR "The help project lists ${f}, which does not exist in ${SOURCE_DIR}")
    endif()
    get_filename_component(dir ${f} DIRECTORY)
    file(COPY ${SOURCE_DIR}/${f} DESTINATION ${STAGE_DIR}/${dir})
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
file(COPY_FILE ${compiled} ${OUTPUT})
