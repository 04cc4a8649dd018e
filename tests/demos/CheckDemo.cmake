# Plays one demo of the suite through SKDEMO and compares its checkpoints with the expected
# ones; on a difference, names the first differing line.
#   cmake -DSKDEMO=... -DGAME_DIR=... -DDEMO=x.txt -DEXPECTED=x.expected -P CheckDemo.cmake
# A cross build adds -DEMULATOR=<qemu-user> to play it on the target's SKDEMO.
execute_process(COMMAND ${EMULATOR} ${SKDEMO} --game ${GAME_DIR} ${DEMO}
  WORKING_DIRECTORY ${GAME_DIR}
  OUTPUT_VARIABLE actual ERROR_VARIABLE error RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "SKDEMO refused ${DEMO} (status ${status}): ${error}"
    "If the archive or the maps changed on purpose, record the suite again: tests/demos/regenerate.sh")
endif()
file(READ ${EXPECTED} expected)
if(actual STREQUAL expected)
  return()
endif()
string(REPLACE ";" "\\;" actual "${actual}")
string(REPLACE ";" "\\;" expected "${expected}")
string(REPLACE "\n" ";" actual_lines "${actual}")
string(REPLACE "\n" ";" expected_lines "${expected}")
list(LENGTH actual_lines actual_count)
list(LENGTH expected_lines expected_count)
# The first differing line, and how many differ in all: one frame off early can be a single
# rounding, many lines a different walk (as another CPU's arithmetic would give).
set(line 0)
set(differing 0)
while(line LESS actual_count OR line LESS expected_count)
  set(a "(nothing)")
  set(e "(nothing)")
  if(line LESS actual_count)
    list(GET actual_lines ${line} a)
  endif()
  if(line LESS expected_count)
    list(GET expected_lines ${line} e)
  endif()
  if(NOT a STREQUAL e)
    if(differing EQUAL 0)
      math(EXPR number "${line} + 1")
      set(first "  expected: ${e}\n  actual:   ${a}")
    endif()
    math(EXPR differing "${differing} + 1")
  endif()
  math(EXPR line "${line} + 1")
endwhile()
set(where "")
if(EMULATOR)
  set(where " (played under ${EMULATOR})")
endif()
message(FATAL_ERROR "${DEMO}${where}: checkpoint line ${number} differs, ${differing} of "
  "${expected_count} lines in all\n${first}")
