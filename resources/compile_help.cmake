# Compiles a program's help pages into <PROJECT>.chm (run with cmake -P by the build).
# In: CHMCMD, ICONV, PROJECT (the name of the .hhp and of the .chm it makes), SOURCE_DIR (the help
# sources' folder), SOURCES (their names, separated by '|'), WORK_DIR (scratch folder), OUTPUT (the
# staged file).
# HTML Help viewers read the project, contents and index files in the code page of the help's language
# (GBK for 0x804), so those three are converted; the pages carry their own charset and are copied.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
string(REPLACE "|" ";" names "${SOURCES}")
foreach(name ${names})
  set(source ${SOURCE_DIR}/${name})
  if(name MATCHES "\\.(hhp|hhc|hhk)$")
    execute_process(COMMAND ${ICONV} -f UTF-8 -t GBK -o ${WORK_DIR}/${name} ${source} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "cannot convert ${name} to GBK")
    endif()
  else()
    file(COPY ${source} DESTINATION ${WORK_DIR})
  endif()
endforeach()
execute_process(COMMAND ${CHMCMD} --verbosity 1 ${PROJECT}.hhp WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK_DIR}/${PROJECT}.chm)
  message(FATAL_ERROR "chmcmd failed (${rc}):\n${log}")
endif()
file(COPY_FILE ${WORK_DIR}/${PROJECT}.chm ${OUTPUT})
