# Every text of the game has a finished translation in every shipped language: lupdate, run on
# a copy of each translation file exactly as update_translations runs it, must leave the copy
# unchanged (a text added, changed or removed in the code changes it), and lrelease must
# compile every text, none unfinished or empty.
#   cmake -DSETUP=<build>/translations/setup.cmake -DWORK=<folder> -P translations.cmake
include(${SETUP})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
string(REPLACE ";" "\n" source_list "${TEXT_SOURCES}")
file(WRITE ${WORK}/sources.lst "${source_list}\n")

set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${WORK})
  execute_process(COMMAND ${LUPDATE} @${WORK}/sources.lst -I ${INCLUDE_DIR} ${LUPDATE_OPTIONS} -ts ${WORK}/${name}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts} ${WORK}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    execute_process(COMMAND diff -u ${ts} ${WORK}/${name} OUTPUT_VARIABLE diff)
    message(SEND_ERROR "${name} is out of date with the code's texts; build the target "
                       "update_translations and translate what it marks unfinished:\n${diff}")
    set(failed TRUE)
  endif()
  execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/${name}.qm
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${name}: ${out}")
  if(NOT status EQUAL 0 OR NOT out MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
     OR out MATCHES "untranslated")
    message(SEND_ERROR "${name} has unfinished or empty translations:\n${out}")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "the translations are not complete")
endif()
