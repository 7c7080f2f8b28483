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
# The desktop entry and the AppStream file take the summary, the description,
# the version and its date from packaging/Description.cmake.
set(ship_packaging_out ${CMAKE_BINARY_DIR}/packaging)
configure_file(${pkg}/${SHIP_APP_ID}.desktop.in ${ship_packaging_out}/${SHIP_APP_ID}.desktop @ONLY)
configure_file(${pkg}/${SHIP_APP_ID}.metainfo.xml.in ${ship_packaging_out}/${SHIP_APP_ID}.metainfo.xml @ONLY)
install(FILES ${ship_packaging_out}/${SHIP_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ship_packaging_out}/${SHIP_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/${SHIP_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${SHIP_APP_ID}.xml)
install(FILES ${pkg}/icons/${SHIP_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${pkg}/icons/${SHIP_APP_ID}-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${SHIP_APP_ID}.png)
endforeach()

# What Debian asks of every package: the copyright (machine-readable) and
# the changelog, gzipped as a native package's is.
set(SHIP_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/shipdesigner)
add_custom_command(
  OUTPUT ${ship_packaging_out}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${pkg}/changelog ${ship_packaging_out}/changelog
  COMMAND gzip -9nf ${ship_packaging_out}/changelog
  DEPENDS ${pkg}/changelog
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${ship_packaging_out}/changelog.gz)
install(FILES ${ship_packaging_out}/changelog.gz ${pkg}/copyright DESTINATION ${SHIP_DOC_DIR})

# cpack packages the tree as it is built: it must not rebuild (and so rewrite
# the data beside the binaries) while the tests read it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shipdesigner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${SHIP_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${SHIP_DESCRIPTION}")
# The project's address in its own domain (the one of its application id);
# whoever builds the package for others puts theirs here.
set(SHIP_PACKAGE_MAINTAINER "Ship designer developers <packaging@shipdesigner.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${SHIP_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://shipdesigner.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A design tool, not a game: its commands go to bin/ on every PATH (root's
# has no /usr/games) with manual pages in section 1.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Libraries from the binaries; the Qt platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
include(CPack)

# It needs the desktop program and binaries that run without a sanitizer runtime.
if(SHIP_BUILD_TESTS AND TARGET shipdesigner AND NOT SHIP_SANITIZE)
  enable_testing()
  # Builds the .deb from this tree, unpacks it into a scratch root and runs
  # the installed programs there.
  add_test(NAME package_deb COMMAND bash ${pkg}/test-package.sh ${CMAKE_BINARY_DIR} ${SHIP_APP_ID})
  set_tests_properties(package_deb PROPERTIES TIMEOUT 600)
endif()
