# The installed copy (`cmake --install`, and the Debian package built from it): the programs
# under bin/ with the lower-case names installed commands have, one read-only data folder,
# the desktop entry, its metadata, the icons and the manual pages. This is everything an
# installed copy ever has under its prefix: what players write lives in their own folders.
include(GNUInstallDirs)

# Folders the install makes get 0755 whatever the umask of whoever installs or packs: a 0777
# data folder would let any local user swap the maps or the archive. (Files get 0644 and
# programs 0755 from install() itself.)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(SK_APP_ID org.skarveth.Skarveth)
set(SK_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/skarveth)
set(SK_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/skarveth)
set(SK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Installs a built program under another name. A renamed copy is not stripped by `--strip`
# (nor by the package build, which asks for it) on its own, so it gets its own strip step.
function(sk_install_program target name)
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${name})
  if(NOT CMAKE_STRIP)
    return()
  endif()
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${name}\"
        RESULT_VARIABLE stripped)
      if(NOT stripped EQUAL 0)
        message(FATAL_ERROR \"Cannot strip ${name}\")
      endif()
    endif()")
endfunction()

# target:installed name. The ready-to-play folder keeps the targets' own names.
set(SK_INSTALLED_PROGRAMS Skarveth:skarveth SKMAP:skmap SKVIEW:skview SKDEMO:skdemo SKPACK:skpack
                          SKBALANCE:skbalance)
set(SK_INSTALLED_TARGETS)
foreach(pair IN LISTS SK_INSTALLED_PROGRAMS)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 target)
  list(GET pair 1 name)
  sk_install_program(${target} ${name})
  list(APPEND SK_INSTALLED_TARGETS ${target})
endforeach()

# The data folder. The settings file is the shipped default (the build's copy in the
# ready-to-play folder may already hold a player's changes); the maps are exactly the ones
# the build makes, never a player's map or score table lying beside them.
install(FILES ${SK_GAME_DIR}/Skarveth.dat ${PROJECT_SOURCE_DIR}/data/fonts/DejaVuSans-Bold.ttf
              ${PROJECT_SOURCE_DIR}/data/Skarveth.ini ${SK_PACKAGING_DIR}/install-marker
        DESTINATION ${SK_INSTALL_DATA_DIR})
install(FILES ${SK_MAP_FILES} DESTINATION ${SK_INSTALL_DATA_DIR}/Maps)

# The desktop: menu entry, software-centre metadata, one icon per size the generator drew.
install(FILES ${SK_PACKAGING_DIR}/${SK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SK_PACKAGING_DIR}/${SK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(GLOB SK_ICON_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/icons/${SK_APP_ID}-*.png)
foreach(icon IN LISTS SK_ICON_FILES)
  string(REGEX REPLACE ".*-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${SK_APP_ID}.png)
endforeach()

file(GLOB SK_MAN_PAGES CONFIGURE_DEPENDS ${SK_PACKAGING_DIR}/man/*.6)
install(FILES ${SK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${SK_PACKAGING_DIR}/copyright ${SK_PACKAGING_DIR}/changelog
        DESTINATION ${SK_INSTALL_DOC_DIR})

# What the install step (and so the package) needs built, and nothing more.
add_custom_target(installed_files)
add_dependencies(installed_files ${SK_INSTALLED_TARGETS} skarveth_data)
