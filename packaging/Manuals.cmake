# The manual pages sdftool(1) and shipdesigner(1) and the bash completion of
# sdftool, written at build time by tools/make_manuals.cpp from the command
# lines the programs declare (sdftool/Verbs, app/CommandLine), so none of
# them can say other than --help. Gzipped without name or time stamp, so
# the same tree gives the same bytes.
add_executable(shipmanuals tools/make_manuals.cpp sdftool/Verbs.cpp app/CommandLine.cpp)
target_link_libraries(shipmanuals PRIVATE shipcore)
ship_warnings(shipmanuals)

set(SHIP_MANUALS_DIR ${CMAKE_BINARY_DIR}/manuals)
set(ship_manual_pages ${SHIP_MANUALS_DIR}/sdftool.1 ${SHIP_MANUALS_DIR}/shipdesigner.1)
set(SHIP_COMPLETION ${SHIP_MANUALS_DIR}/sdftool.bash)
add_custom_command(
  OUTPUT ${ship_manual_pages} ${SHIP_COMPLETION} ${SHIP_MANUALS_DIR}/sdftool.1.gz ${SHIP_MANUALS_DIR}/shipdesigner.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SHIP_MANUALS_DIR}
  COMMAND shipmanuals ${SHIP_MANUALS_DIR} ${CMAKE_SOURCE_DIR}/packaging/description.txt ${SHIP_RELEASE_DATE}
  COMMAND gzip -9nkf ${ship_manual_pages}
  DEPENDS shipmanuals ${CMAKE_SOURCE_DIR}/packaging/description.txt
  COMMENT "Writing the manual pages and the bash completion"
  VERBATIM)
add_custom_target(manuals ALL DEPENDS ${ship_manual_pages} ${SHIP_COMPLETION})

include(GNUInstallDirs)
install(FILES ${SHIP_MANUALS_DIR}/sdftool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET shipdesigner)
  install(FILES ${SHIP_MANUALS_DIR}/shipdesigner.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# Where bash-completion looks for a command's completion when it is first used.
install(FILES ${SHIP_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME sdftool)

# Built with sdftool, so every tree that has the tool has its pages (the
# sanitizer tree builds named targets only, and its tests read them).
add_dependencies(sdftool manuals)
