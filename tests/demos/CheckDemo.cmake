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
set(line 0)
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
    math(EXPR number "${line} + 1")
    message(FATAL_ERROR "${DEMO}: checkpoint line ${number} differs\n  expected: ${e}\n  actual:   ${a}")
  endif()
  math(EXPR line "${line} + 1")
endwhile()
