# cmake -DLUPDATE=… -DCATALOGUE=x.ts -DSOURCE_DIRS=src/a,src/b -DSOURCE_ROOT=… -DWORK_DIR=… -P
# Updates a copy of CATALOGUE from the sources exactly as update_translations
# does and fails, naming the texts, when an entry is left unfinished or empty.
string(REPLACE "," ";" dirs "${SOURCE_DIRS}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(name "${CATALOGUE}" NAME)
set(copy "${WORK_DIR}/${name}")
file(COPY_FILE "${CATALOGUE}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete -I src ${dirs} -ts "${copy}"
                WORKING_DIRECTORY "${SOURCE_ROOT}" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}): ${err}")
endif()
file(READ "${copy}" text)

# One <message> at a time: its source and whether its translation is done.
# (Semicolons in texts are masked first: CMake lists split on them.)
string(REPLACE ";" "&#59;" text "${text}")
string(REPLACE "[" "&#91;" text "${text}")
string(REPLACE "]" "&#93;" text "${text}")
string(REPLACE "</message>" ";" messages "${text}")
set(problems "")
set(count 0)
foreach(message IN LISTS messages)
  if(NOT message MATCHES "<message")
    continue()
  endif()
  math(EXPR count "${count} + 1")
  string(REGEX MATCH "<source>([^<]*)</source>" _ "${message}")
  set(source "${CMAKE_MATCH_1}")
  if(message MATCHES "type=\"unfinished\"")
    string(APPEND problems "\n  unfinished: ${source}")
  elseif(message MATCHES "<translation>[ \t\r\n]*</translation>"
         OR message MATCHES "<numerusform>[ \t\r\n]*</numerusform>")
    string(APPEND problems "\n  empty: ${source}")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "${name}: entries to finish (cmake --build build --target "
                      "update_translations, then translate them):${problems}")
endif()
message(STATUS "${name}: ${count} entries, all finished")
