# What `cmake --install` puts where: the two programs, the shipped schemes, test schemes
# and help pages under share/velmar (where the installed workbench looks for them), and
# the desktop entry, icon and MIME types that let a file manager open .shm and .sht files
# in the workbench.
include(GNUInstallDirs)

install(TARGETS velmar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velmar)
  install(TARGETS velmar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(DIRECTORY data/Schemes data/Tests data/help DESTINATION ${CMAKE_INSTALL_DATADIR}/velmar)
install(FILES data/desktop/velmar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/velmar.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/desktop/velmar.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
