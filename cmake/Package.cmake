# What a Linux package carries besides the programs, the desktop entry and the
# file types (cmake/Install.cmake): the icon, the README, the licence with
# Debian's copyright file and changelog, the manual pages, the AppStream
# metadata; and the Debian package itself, built by CPack
# (scripts/package): brisel_VERSION_ARCH.deb, its dependencies taken from the
# programs' shared libraries.
if(WIN32)
  return()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/data/brisel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brisel)
install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.brisel.Brisel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The package's version is the project's; its changelog must agree.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/debian/changelog _changelog_top LIMIT_COUNT 1)
if(NOT _changelog_top MATCHES "^brisel \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/debian/changelog begins with '${_changelog_top}': "
                      "give version ${PROJECT_VERSION} an entry at its top")
endif()

# Manual pages and the changelog are installed compressed, without a time
# stamp (the same package from the same sources), as Debian's tools expect.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(_compressed)
foreach(entry "brisel.1|man1" "brisel-nouv.1|man1" "debian/changelog|doc")
  string(REPLACE "|" ";" _parts "${entry}")
  list(GET _parts 0 _source)
  list(GET _parts 1 _place)
  get_filename_component(_name ${_source} NAME)
  set(_output ${CMAKE_CURRENT_BINARY_DIR}/${_name}.gz)
  add_custom_command(OUTPUT ${_output}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/data/${_source} > ${_output}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/${_source}
    VERBATIM)
  list(APPEND _compressed ${_output})
  if(_place STREQUAL "doc")
    install(FILES ${_output} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brisel)
  else()
    install(FILES ${_output} DESTINATION ${CMAKE_INSTALL_MANDIR}/${_place})
  endif()
endforeach()
add_custom_target(brisel_manual ALL DEPENDS ${_compressed})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisel)
set(CPACK_PACKAGE_VENDOR "The Brisel developers")
# There is no mail address to publish: the reserved domain .invalid says so
# and cannot reach anybody by mistake.
set(CPACK_PACKAGE_CONTACT "The Brisel developers <brisel@brisel.invalid>")
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
