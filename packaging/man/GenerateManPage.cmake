# Writes a gzipped man page for a program from its own --help and --version.
#   cmake -DPROGRAM=path -DNAME=nerka-cli -DINCLUDE=file.h2m -DHELP2MAN=path
#         -DOUTPUT=nerka-cli.1.gz [-DCOMMANDS=ON] -P GenerateManPage.cmake
# With COMMANDS, every command that `PROGRAM --help` lists is asked for its own
# help, and the usage lines and summaries become a COMMANDS section; a command
# whose help lists subcommands ("  usage: nerka-cli dmrdb import ...") gets one
# entry per subcommand.
cmake_minimum_required(VERSION 3.25)

# The window program builds its QApplication before it reads --help. In a
# sanitizer build the programs run here too; a library's cache kept until exit
# must not fail the build (the test suite checks for leaks).
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} detect_leaks=0)
get_filename_component(work_dir "${OUTPUT}" DIRECTORY)
set(page "${work_dir}/${NAME}.1")
set(includes --include=${INCLUDE})

# roff: a backslash and a leading dot or quote are special; "-" is a hyphen,
# "\-" the minus of an option.
function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(command_entry words out)
  separate_arguments(args UNIX_COMMAND "${words}")
  execute_process(COMMAND "${PROGRAM}" ${args} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${words} --help failed (${rc})")
  endif()
  string(REGEX MATCHALL "  usage: [^\n]*" nested "${help}")
  set(entry "")
  if(nested)
    foreach(line IN LISTS nested)
      string(REGEX REPLACE "^  usage: [^ ]+ ${words} ([a-z][a-z-]*).*" "\\1" sub "${line}")
      command_entry("${words} ${sub}" sub_entry)
      string(APPEND entry "${sub_entry}")
    endforeach()
  else()
    string(REGEX MATCH "usage: ([^\n]*)\n([^\n]*)" _ "${help}")
    roff_escape("${CMAKE_MATCH_1}" usage)
    roff_escape("${CMAKE_MATCH_2}" summary)
    string(APPEND entry ".TP\n.B ${usage}\n${summary}\n")
  endif()
  set(${out} "${entry}" PARENT_SCOPE)
endfunction()

if(COMMANDS)
  execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed (${rc})")
  endif()
  string(REGEX MATCH "Commands:\n(.*)\n\n" _ "${help}")
  string(REPLACE "\n" ";" lines "${CMAKE_MATCH_1}")
  set(section "[COMMANDS]\n")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^  ([a-z][a-z-]*) ")
      continue()
    endif()
    command_entry("${CMAKE_MATCH_1}" entry)
    string(APPEND section "${entry}")
  endforeach()
  file(WRITE "${work_dir}/${NAME}-commands.h2m" "${section}")
  list(APPEND includes --include=${work_dir}/${NAME}-commands.h2m)
endif()

execute_process(
  COMMAND "${HELP2MAN}" --no-info --no-discard-stderr --section=1 ${includes}
          --output=${page} "${PROGRAM}"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS "${page}")
  message(FATAL_ERROR "help2man failed for ${PROGRAM} (${rc})")
endif()
execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${page}")
endif()
