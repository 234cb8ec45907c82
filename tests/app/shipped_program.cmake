# Starts the built program offscreen twice: once ended right after its first
# paint (TELUVAR_EXIT_AFTER_PAINT), once when every step of its load has run
# after that paint (TELUVAR_EXIT_WHEN_LOADED). Each run must end there with
# code 0 and write nothing on stderr but Qt's own notices (its warnings, such
# as a missing runtime folder). Every line that goes through Qt's logger is
# marked, so a line the program prints itself is told apart; a critical
# message is the program's report of a fault, and the category teluvar.* is
# the program's own.
#   cmake -DPROGRAM=<path to teluvar> -P shipped_program.cmake
if(NOT PROGRAM OR NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "no program to start: '${PROGRAM}'")
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{QT_MESSAGE_PATTERN} "qt-log %{type} %{category}: %{message}")
unset(ENV{QT_LOGGING_RULES})
foreach(moment TELUVAR_EXIT_AFTER_PAINT TELUVAR_EXIT_WHEN_LOADED)
  foreach(var TELUVAR_EXIT_AFTER_PAINT TELUVAR_EXIT_WHEN_READY TELUVAR_EXIT_WHEN_LOADED)
    unset(ENV{${var}})
  endforeach()
  set(ENV{${moment}} 1)
  execute_process(COMMAND "${PROGRAM}"
    RESULT_VARIABLE code
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 60)
  if(NOT code STREQUAL "0")
    message(FATAL_ERROR "${moment}: the program did not end there with code 0: ${code}\nstderr:\n${err}")
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
