# The packaging tests install this very build folder into a temporary prefix and check the
# tree against the install layout; the window-icon test decodes the icon built into the game.
add_dependencies(test_${area} installed_files)
find_package(PNG REQUIRED)
target_link_libraries(test_${area} PRIVATE skplatform_sdl PNG::PNG)
list(TRANSFORM SK_MAP_FILES REPLACE ".*/" "" OUTPUT_VARIABLE sk_shipped_maps)
list(JOIN sk_shipped_maps "," sk_shipped_maps)
target_compile_definitions(test_${area} PRIVATE
  SK_CMAKE_COMMAND="${CMAKE_COMMAND}" SK_BINARY_DIR="${CMAKE_BINARY_DIR}"
  SK_INSTALL_BINDIR="${CMAKE_INSTALL_BINDIR}" SK_INSTALL_DATADIR="${CMAKE_INSTALL_DATADIR}"
  SK_INSTALL_MANDIR="${CMAKE_INSTALL_MANDIR}" SK_INSTALL_DOC_DIR="${SK_INSTALL_DOC_DIR}"
  SK_APP_ID="${SK_APP_ID}" SK_PACKAGE_VERSION="${SK_PACKAGE_VERSION}"
  SK_SHIPPED_MAPS="${sk_shipped_maps}")
