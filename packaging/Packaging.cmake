# Installing and packaging: `cmake --install` lays the programs into bin/ and
# the data into share/shipdesigner/, with the desktop entry, icons, AppStream
# metainfo and the .sdf MIME type; `cpack -G DEB` builds a Debian package
# from the build tree. The programs find their data in share/shipdesigner/
# when no Data/ folder stands beside them (platform::defaultProgramDir).
include(GNUInstallDirs)
set(SHIP_APP_ID org.shipdesigner.ShipDesigner)
set(SHIP_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/shipdesigner)

if(TARGET shipdesigner)
  install(TARGETS shipdesigner RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS sdftool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY Data Designs Flags Scenarios DESTINATION ${SHIP_SHARE_DIR})
install(FILES Preferences DESTINATION ${SHIP_SHARE_DIR})
# An empty "Custom Files": used when the installed folder can be written,
# otherwise Save goes to the user's data folder.
install(DIRECTORY DESTINATION "${SHIP_SHARE_DIR}/Custom Files")

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${pkg}/${SHIP_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${SHIP_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/${SHIP_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${SHIP_APP_ID}.xml)
install(FILES ${pkg}/icons/${SHIP_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${pkg}/icons/${SHIP_APP_ID}-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${SHIP_APP_ID}.png)
endforeach()

# cpack packages the tree as it is built: it must not rebuild (and so rewrite
# the data beside the binaries) while the tests read it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shipdesigner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Warship designer for a First World War naval wargame")
set(CPACK_PACKAGE_DESCRIPTION "Compose warship classes, weigh them against their displacement, see them
on the game's ship status card, compare two designs and export ship sheets.
Includes sdftool, which checks, reports on and renders folders of designs.")
set(CPACK_PACKAGE_CONTACT "Ship designer developers <shipdesigner@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Libraries from the binaries; the Qt platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, shared-mime-info, desktop-file-utils")
include(CPack)

# It needs the desktop program and binaries that run without a sanitizer runtime.
if(SHIP_BUILD_TESTS AND TARGET shipdesigner AND NOT SHIP_SANITIZE)
  enable_testing()
  # Builds the .deb from this tree, unpacks it into a scratch root and runs
  # the installed programs there.
  add_test(NAME package_deb COMMAND bash ${pkg}/test-package.sh ${CMAKE_BINARY_DIR} ${SHIP_APP_ID})
  set_tests_properties(package_deb PROPERTIES TIMEOUT 600)
endif()
