# Runs in CPack's staging tree before the package is made: Debian packages carry their
# manual pages and changelog gzip-compressed (and without a time stamp, so the package's
# bytes repeat). `cmake --install` keeps them plain.
find_program(SK_GZIP gzip REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false ${CPACK_TEMPORARY_DIRECTORY}/*)
list(FILTER staged INCLUDE REGEX "/man/man6/[^/]+\\.6$|/doc/skarveth/changelog$")
if(NOT staged)
  message(FATAL_ERROR "No manual pages or changelog in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(doc IN LISTS staged)
  execute_process(COMMAND ${SK_GZIP} -9nf ${doc} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Cannot compress ${doc}")
  endif()
endforeach()
