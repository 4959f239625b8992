# Installation: the two programs and, on Linux desktops, an entry that
# offers Brisel for .mqo and .mqoz files together with the file types of
# both.
# The rules are added at the end of the top directory, so this file may be
# included anywhere there.
include(GNUInstallDirs)

function(brisel_install_rules)
  foreach(program brisel brisel-nouv)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
  if(NOT WIN32)
    install(FILES ${PROJECT_SOURCE_DIR}/data/brisel.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/data/brisel-mqo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  endif()
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL brisel_install_rules)
