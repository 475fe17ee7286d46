# Where `cmake --install` puts things. The programs look for their data files
# (mouse pictures, help guides, Puzzles/) in their own folder, so programs and
# data share one folder, GRIDWICK_INSTALL_PROGRAM_DIR; <prefix>/bin holds
# relative links to the programs. Menu entries, icons and AppStream files go
# to the usual places below <prefix>/share (packaging/).
include(GNUInstallDirs)
set(GRIDWICK_INSTALL_PROGRAM_DIR lib/gridwick CACHE STRING
    "Folder below the install prefix for the programs and their data files")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The file "installed" marks the program folder as an installed copy: the
# programs then keep their settings in the user's configuration folder even
# where they could write their own folder (run by root, say); see
# platform/SettingsFolder.h.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../packaging/installed DESTINATION ${GRIDWICK_INSTALL_PROGRAM_DIR})

# gridwick_install_program(<target>): the program into the program folder and
# a link to it into <prefix>/bin.
function(gridwick_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${GRIDWICK_INSTALL_PROGRAM_DIR})
  set(links ${CMAKE_BINARY_DIR}/install-links)
  file(MAKE_DIRECTORY ${links})
  file(RELATIVE_PATH to_program /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${GRIDWICK_INSTALL_PROGRAM_DIR}/${target})
  file(CREATE_LINK ${to_program} ${links}/${target} SYMBOLIC)
  install(FILES ${links}/${target} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
