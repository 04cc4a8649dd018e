# Runs in CPack's staging tree before the package is made: every folder 0755, every program
# (whatever lies in a bin/ folder) 0755, every other file 0644. The packager's umask made the
# folders CPack lays out itself, and must never reach the package: the same sources give the
# same package under any umask.
file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
set(folders ${CPACK_TEMPORARY_DIRECTORY})
set(programs)
set(data)
foreach(entry IN LISTS staged)
  if(IS_SYMLINK ${entry})
    continue()  # a link's own mode means nothing
  elseif(IS_DIRECTORY ${entry})
    list(APPEND folders ${entry})
  elseif(entry MATCHES "/bin/[^/]+$")
    list(APPEND programs ${entry})
  else()
    list(APPEND data ${entry})
  endif()
endforeach()
if(NOT programs OR NOT data)
  message(FATAL_ERROR "No programs or no data in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
set(rwxr_xr_x OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
              WORLD_EXECUTE)
file(CHMOD ${folders} ${programs} PERMISSIONS ${rwxr_xr_x})
file(CHMOD ${data} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
