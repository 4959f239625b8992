# What a Linux package carries besides the programs, the desktop entry and the
# file types (cmake/Install.cmake): the icon, the README and the manual page
# of brisel-nouv; and the Debian package itself, built by CPack
# (scripts/package): brisel_VERSION_ARCH.deb, its dependencies taken from the
# programs' shared libraries.
if(WIN32)
  return()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/data/brisel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brisel)
# Manual pages are installed compressed, as Debian's tools expect.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(_man ${CMAKE_CURRENT_BINARY_DIR}/brisel-nouv.1.gz)
  add_custom_command(OUTPUT ${_man}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/data/brisel-nouv.1 > ${_man}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/brisel-nouv.1
    VERBATIM)
  add_custom_target(brisel_manual ALL DEPENDS ${_man})
  install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/data/brisel-nouv.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisel)
set(CPACK_PACKAGE_VENDOR "The Brisel developers")
set(CPACK_PACKAGE_CONTACT "The Brisel developers <brisel@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "removes texture coordinates from Metasequoia model files")
set(CPACK_PACKAGE_DESCRIPTION "Drop .mqo files on Brisel's window: for every file whose face lines
carry texture coordinates it writes NAME_noUV.mqo beside it, without the UV
groups, and reports each step in Japanese in the window. brisel-nouv does the
same from a terminal, for batches.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Japanese text needs these fonts; no shared library says so.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipaexfont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
