# Starts the built program offscreen twice: once ended right after its first
# paint (TELUVAR_EXIT_AFTER_PAINT), once when every step of its load has run
# after that paint (TELUVAR_EXIT_WHEN_LOADED). Each run must paint (the
# program marks its first paint on stdout), end there (its mark of that
# moment) with code 0 within LIMIT seconds, and write nothing on stderr but
# Qt's own notices (its warnings, such as a missing runtime folder). Every
# line that goes through Qt's logger is marked, so a line the program prints
# itself is told apart; a critical message is the program's report of a
# fault, and the category teluvar.* is the program's own.
#   cmake -DPROGRAM=<path to teluvar> [-DLIMIT=<seconds>] -P shipped_program.cmake
if(NOT PROGRAM OR NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "no program to start: '${PROGRAM}'")
endif()
if(NOT LIMIT)
  set(LIMIT 20)
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{QT_MESSAGE_PATTERN} "qt-log %{type} %{category}: %{message}")
unset(ENV{QT_LOGGING_RULES})
foreach(moment TELUVAR_EXIT_AFTER_PAINT TELUVAR_EXIT_WHEN_LOADED)
  foreach(var TELUVAR_EXIT_AFTER_PAINT TELUVAR_EXIT_WHEN_READY TELUVAR_EXIT_WHEN_LOADED)
    unset(ENV{${var}})
  endforeach()
  set(ENV{${moment}} 1)
  if(moment STREQUAL "TELUVAR_EXIT_AFTER_PAINT")
    set(ended "teluvar: ended after paint")
  else()
    set(ended "teluvar: ended when loaded")
  endif()
  execute_process(COMMAND "${PROGRAM}"
    RESULT_VARIABLE code
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT ${LIMIT})
  string(FIND "${out}" "teluvar: painted" painted)
  string(FIND "${out}" "${ended}" reached)
  if(NOT code MATCHES "^[0-9]+$")
    if(painted EQUAL -1)
      set(seen "it never painted")
    else()
      set(seen "it painted but did not reach that moment")
    endif()
    message(FATAL_ERROR "${moment}: the program did not end within ${LIMIT} s (${code}): ${seen}\n"
                        "stdout:\n${out}\nstderr:\n${err}")
  endif()
  if(NOT code STREQUAL "0")
    message(FATAL_ERROR "${moment}: the program did not end there with code 0: ${code}\nstderr:\n${err}")
  endif()
  if(painted EQUAL -1)
    message(FATAL_ERROR "${moment}: the program ended with code 0 without painting its window\n"
                        "stdout:\n${out}\nstderr:\n${err}")
  endif()
  if(reached EQUAL -1)
    message(FATAL_ERROR "${moment}: the program painted, then ended with code 0 before that moment\n"
                        "stdout:\n${out}\nstderr:\n${err}")
  endif()
  string(REPLACE "\r" "" err "${err}")
  string(REPLACE ";" "," err "${err}")
  string(REPLACE "\n" ";" lines "${err}")
  set(foreign)
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      continue()
    endif()
    if(NOT line MATCHES "^qt-log (warning|info|debug) " OR line MATCHES "^qt-log [a-z]+ teluvar")
      string(APPEND foreign "${line}\n")
    endif()
  endforeach()
  if(foreign)
    message(FATAL_ERROR "${moment}: the program wrote on stderr more than Qt's notices:\n${foreign}")
  endif()
endforeach()
message(STATUS "painted, loaded and ended with code 0")
