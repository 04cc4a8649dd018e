# Copies SOURCE to DESTINATION only when DESTINATION does not exist yet, so a rebuild
# never replaces a player's own settings.
if(NOT EXISTS ${DESTINATION})
  file(COPY_FILE ${SOURCE} ${DESTINATION})
endif()
