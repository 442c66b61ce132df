# `cmake --install <build> --prefix <prefix>`: the program with its pictures,
# sounds and help in <prefix>/lib/koratsu, where it looks for them (beside
# itself); a launcher in <prefix>/bin; the desktop's menu entry and icons.
set(KORATSU_PROGRAM_DIR lib/koratsu)
install(TARGETS koratsu RUNTIME DESTINATION ${KORATSU_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/Graphic ${CMAKE_BINARY_DIR}/Sound DESTINATION ${KORATSU_PROGRAM_DIR})
install(FILES ${CMAKE_BINARY_DIR}/Koratsu.html DESTINATION ${KORATSU_PROGRAM_DIR})
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/koratsu.sh DESTINATION bin RENAME koratsu)
foreach(size 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/Icons/${size}x${size}/koratsu.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
# The menu entry names the launcher by its full path, known only once the
# prefix is: it is written at install time.
install(CODE "
  set(KORATSU_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/koratsu\")
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/koratsu.desktop\")
  message(STATUS \"Installing: \${entry}\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/koratsu.desktop.in\" \"\${entry}\" @ONLY)
")
