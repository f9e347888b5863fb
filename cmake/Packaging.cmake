# Installing and packaging Tintaro.
#
# `cmake --install build --prefix DIR` makes DIR the program folder: the
# executable with the default content beside it, as the program expects, and
# a README.txt naming the system's Qt packages it runs on (component "program").
# CPack makes a .tar.gz of that folder and a .deb that puts it in /opt/tintaro,
# together with the launcher /usr/bin/tintaro, the menu entry, the software
# centre's metainfo, the icons and the manual page (component "desktop",
# installed only by the .deb).

set(TINTARO_RUNTIME_PACKAGES
  libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libqt6svg6
  qt6-image-formats-plugins
  # tintaro-import: GIF writing, OpenCV's cleaning, Poppler's PDF pages
  libgif7 libopencv-core406 libopencv-imgproc406 libpoppler-qt6-3)
list(JOIN TINTARO_RUNTIME_PACKAGES " " TINTARO_RUNTIME_PACKAGES_SPACED)
set(PACKAGE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/package)
# Where the project is published; the software centre shows the screenshots of
# this version from there.
set(TINTARO_HOMEPAGE https://github.com/tintaro/tintaro)
set(TINTARO_SCREENSHOTS ${TINTARO_HOMEPAGE}/raw/v${PROJECT_VERSION}/docs/screenshots)

# ---- The program folder -----------------------------------------------------
install(TARGETS tintaro tintaro-import RUNTIME DESTINATION . COMPONENT program)
# The content as generated beside the executable, less what running the program
# from the build tree may have left there: kept colourings and saved work.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" APP_DIR_PATTERN "${TINTARO_APP_DIR}")
install(DIRECTORY ${TINTARO_APP_DIR}/ DESTINATION . COMPONENT program
  REGEX "^${APP_DIR_PATTERN}/tintaro(-import)?$" EXCLUDE
  REGEX "/dibujos/[^/]+/[^/]+\\.[bB][mM][pP]$" EXCLUDE
  REGEX "/Misdibujos/." EXCLUDE)
configure_file(${PACKAGE_SOURCES}/README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION . COMPONENT program)
# Each installation gets its own release stamp: the launcher refreshes a user's
# copy of the folder when the stamp of the installed folder differs from it.
install(CODE "
  string(TIMESTAMP stamp \"%Y-%m-%dT%H:%M:%SZ\" UTC)
  file(WRITE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/.release\" \"${PROJECT_VERSION} \${stamp}\\n\")"
  COMPONENT program)

# ---- Desktop integration (the .deb only) ------------------------------------
install(PROGRAMS ${PACKAGE_SOURCES}/tintaro.sh DESTINATION /usr/bin RENAME tintaro
  COMPONENT desktop EXCLUDE_FROM_ALL)
# The import tool for teachers, on the PATH: the launcher under that name runs
# it on the user's copy of the program folder.
install(PROGRAMS ${PACKAGE_SOURCES}/tintaro.sh DESTINATION /usr/bin RENAME tintaro-import
  COMPONENT desktop EXCLUDE_FROM_ALL)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/deb)
install(FILES ${PACKAGE_SOURCES}/tintaro.desktop DESTINATION /usr/share/applications
  COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/artwork/icon/tintaro.svg
  DESTINATION /usr/share/icons/hicolor/scalable/apps COMPONENT desktop EXCLUDE_FROM_ALL)
install(DIRECTORY ${TINTARO_ICON_DIR}/ DESTINATION /usr/share/icons/hicolor
  COMPONENT desktop EXCLUDE_FROM_ALL)
set(METAINFO io.github.tintaro.Tintaro.metainfo.xml)
configure_file(${PACKAGE_SOURCES}/${METAINFO}.in ${CMAKE_CURRENT_BINARY_DIR}/${METAINFO} @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${METAINFO} DESTINATION /usr/share/metainfo
  COMPONENT desktop EXCLUDE_FROM_ALL)
# The manual page, compressed as Debian keeps them.
configure_file(${PACKAGE_SOURCES}/tintaro.6.in ${CMAKE_CURRENT_BINARY_DIR}/man/tintaro.6 @ONLY)
file(ARCHIVE_CREATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/tintaro.6.gz
  PATHS ${CMAKE_CURRENT_BINARY_DIR}/man/tintaro.6 FORMAT raw COMPRESSION GZip)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/tintaro.6.gz DESTINATION /usr/share/man/man6
  COMPONENT desktop EXCLUDE_FROM_ALL)

# ---- Packages ---------------------------------------------------------------
set(CPACK_PACKAGE_NAME tintaro)
set(CPACK_PACKAGE_VENDOR "Tintaro")
set(CPACK_PACKAGE_CONTACT "Tintaro developers <tintaro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Colouring program for children of three to eight")
set(CPACK_PACKAGE_DESCRIPTION
  "A child types a name, then colours line drawings from categories with a fill tool, a pencil, \
a straight line, palettes, shades and textures; colourings can be saved and printed.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_STRIP_FILES ON)

list(JOIN TINTARO_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Names the desktop's own pictures folder (else saved work goes to ~/Pictures/Tintaro).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-user-dirs)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The teachers' settings in /opt are theirs to edit: an upgrade asks before replacing them.
set(CONFFILES "")
foreach(name borra impresora adaptar guarda)
  string(APPEND CONFFILES "/opt/tintaro/configuracion/${name}.txt\n")
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/deb/conffiles "${CONFFILES}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/deb/conffiles)

# What differs between the two packages is chosen per generator at packaging time.
configure_file(${PACKAGE_SOURCES}/CPackOptions.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/CPackOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackOptions.cmake)

include(CPack)
