# Installing the game so a desktop finds it: the program, its menu entry, its
# icon in two sizes and the software-centre description.  The program carries
# its skin library inside itself, so nothing else goes to lib/ or share/.
include(GNUInstallDirs)

# One id for the menu entry and the description: software centres join the
# two by the file name, so they must not drift apart.
set(NUMVELLA_APP_ID org.numvella.Numvella)

install(TARGETS numvella RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${NUMVELLA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${NUMVELLA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The menu entry names the icon "numvella"; the theme looks it up by size.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME numvella.png)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/icon@2x.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps RENAME numvella.png)
