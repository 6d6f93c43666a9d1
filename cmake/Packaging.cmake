# Installation as a desktop program and a Debian package.
#
# The program finds its voices beside itself, so the binary and SOUND/ share
# one folder under lib/; bin/typeko is a link to it. An installed copy under
# /usr keeps each learner's data in their own home folder.

include(GNUInstallDirs)

set(TYPEKO_APP_ID "org.typeko.TypeKo")
set(TYPEKO_TITLE "タイポンで英作トレーニング（体験版）")
set(TYPEKO_PROGRAM_DIR "lib/typeko")
set(TYPEKO_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

configure_file(${CMAKE_SOURCE_DIR}/resources/packaging/typeko.desktop.in
  ${TYPEKO_PACKAGING_DIR}/${TYPEKO_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/packaging/typeko.metainfo.xml.in
  ${TYPEKO_PACKAGING_DIR}/${TYPEKO_APP_ID}.metainfo.xml @ONLY)

# Debian wants its changelog and the manual page compressed, reproducibly.
configure_file(${CMAKE_SOURCE_DIR}/resources/packaging/changelog.in ${TYPEKO_PACKAGING_DIR}/changelog @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/packaging/typeko.1.in ${TYPEKO_PACKAGING_DIR}/typeko.1 @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(
  OUTPUT ${TYPEKO_PACKAGING_DIR}/changelog.gz ${TYPEKO_PACKAGING_DIR}/typeko.1.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${TYPEKO_PACKAGING_DIR}/changelog ${TYPEKO_PACKAGING_DIR}/typeko.1
  DEPENDS ${TYPEKO_PACKAGING_DIR}/changelog ${TYPEKO_PACKAGING_DIR}/typeko.1
  VERBATIM)
add_custom_target(package_docs ALL DEPENDS ${TYPEKO_PACKAGING_DIR}/changelog.gz ${TYPEKO_PACKAGING_DIR}/typeko.1.gz)

# The icon is drawn at build time like the rest of the artwork.
set(TYPEKO_ICON_SIZES 48x48 128x128 256x256)
set(TYPEKO_ICONS)
foreach(size ${TYPEKO_ICON_SIZES})
  list(APPEND TYPEKO_ICONS ${TYPEKO_PACKAGING_DIR}/icons/${size}/${TYPEKO_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${TYPEKO_ICONS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:MakeIcon>
          ${TYPEKO_PACKAGING_DIR}/icons ${TYPEKO_APP_ID}
  DEPENDS MakeIcon
  COMMENT "Drawing the desktop icon"
  VERBATIM)
add_custom_target(icon ALL DEPENDS ${TYPEKO_ICONS})

file(MAKE_DIRECTORY ${TYPEKO_PACKAGING_DIR}/bin)
file(CREATE_LINK ../${TYPEKO_PROGRAM_DIR}/typeko ${TYPEKO_PACKAGING_DIR}/bin/typeko SYMBOLIC)

install(TARGETS typeko RUNTIME DESTINATION ${TYPEKO_PROGRAM_DIR})
# The voices' list only tells the generator what it has spoken already.
install(DIRECTORY ${CMAKE_BINARY_DIR}/SOUND DESTINATION ${TYPEKO_PROGRAM_DIR}
  PATTERN voices.txt EXCLUDE)
install(FILES ${TYPEKO_PACKAGING_DIR}/bin/typeko DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TYPEKO_PACKAGING_DIR}/${TYPEKO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TYPEKO_PACKAGING_DIR}/${TYPEKO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/packaging/copyright ${TYPEKO_PACKAGING_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/typeko)
install(FILES ${TYPEKO_PACKAGING_DIR}/typeko.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(size ${TYPEKO_ICON_SIZES})
  install(FILES ${TYPEKO_PACKAGING_DIR}/icons/${size}/${TYPEKO_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME typeko)
set(CPACK_PACKAGE_VENDOR "The TypeKo developers")
set(CPACK_PACKAGE_CONTACT "TypeKo Developer <dev@typeko.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing trainer for Japanese-speaking learners of English")
set(CPACK_PACKAGE_DESCRIPTION "TypeKo drills the spelling of English words, the typing of whole
example sentences and the composing of an English sentence from its
Japanese translation. Every key is judged at once and each learner's
results are kept between runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries are found by dpkg-shlibdeps; what is loaded at run time by name
# (the window system plug-in, the mp3 decoder) and the faces are listed here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipaexfont-gothic, fonts-liberation2, fonts-dejavu-core")
include(CPack)
