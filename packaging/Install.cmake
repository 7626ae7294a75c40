# Installation and the Debian package: the calculator and tesselon-keys with
# its manual page, the desktop entry, the icon and the AppStream metadata.
include(GNUInstallDirs)
set(TESSELON_APP_ID org.tesselon.Tesselon)
set(TESSELON_PACKAGING ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS tesselon-keys RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TESSELON_PACKAGING}/tesselon-keys.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TESSELON_QT)
  install(TARGETS tesselon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TESSELON_PACKAGING}/${TESSELON_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TESSELON_PACKAGING}/${TESSELON_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${TESSELON_PACKAGING}/${TESSELON_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The installed tree, its desktop entry and metadata validated, its tools run.
  add_test(NAME installed_tree
           COMMAND ${TESSELON_PACKAGING}/check-installed-tree.sh ${CMAKE_BINARY_DIR} ${TESSELON_APP_ID})
endif()

# cpack -G DEB: tesselon_<version>_<arch>.deb. dpkg-shlibdeps finds the Qt,
# C++ and C libraries the programs link; the window also needs Qt's platform
# plugins, which no program links directly.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesselon)
set(CPACK_PACKAGE_VENDOR "The Tesselon developers")
set(CPACK_PACKAGE_CONTACT "The Tesselon developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for decimal numbers of several hundred digits")
set(CPACK_PACKAGE_DESCRIPTION
    "Tesselon computes with decimal numbers of several hundred digits: sums,\n"
    "differences, products and factorials exact to the last digit, quotients to\n"
    "a hundred characters, logarithms, powers, roots, trigonometric, hyperbolic\n"
    "and inverse functions to 100 to 268 characters, always cut, never rounded.\n"
    "tesselon-keys runs the same calculator from a shell, on key sequences.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
