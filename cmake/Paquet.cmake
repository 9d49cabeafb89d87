# Installation layout and the Debian package (cpack -G DEB, see scripts/paquet.sh).
# The program finds its sounds beside itself in the build tree, and in
# share/tarvelle/ next to bin/ once installed.
include(GNUInstallDirs)
set(TARVELLE_DONNEES ${CMAKE_INSTALL_DATADIR}/tarvelle)
install(TARGETS tarvelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TARVELLE_SONS} DESTINATION ${TARVELLE_DONNEES})
install(FILES resources/tarvelle.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/tarvelle.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/tarvelle-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tarvelle.xml)
install(FILES resources/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvelle)

# The manual page and the change log, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
foreach(texte tarvelle.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${texte}.gz
    COMMAND ${GZIP} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/resources/${texte} > ${CMAKE_CURRENT_BINARY_DIR}/${texte}.gz
    DEPENDS resources/${texte})
endforeach()
add_custom_target(textes_compresses ALL
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/tarvelle.1.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tarvelle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvelle)

set(TARVELLE_ICONES ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(taille 16 22 24 32 48 64 128 256)
  install(FILES resources/icones/tarvelle-${taille}.png
    DESTINATION ${TARVELLE_ICONES}/${taille}x${taille}/apps RENAME tarvelle.png)
endforeach()
install(FILES resources/icones/tarvelle.svg DESTINATION ${TARVELLE_ICONES}/scalable/apps)
install(FILES resources/icones/application-x-tarvelle-graphe.svg DESTINATION ${TARVELLE_ICONES}/scalable/mimetypes)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Tarvelle developers <maintainers@users.noreply.c-seed-91c1921b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator in French with plots, matrices and a solver")
# The synopsis is the summary above; CPack indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarvelle is a desktop scientific calculator, entirely in French, computing
in 80-bit extended precision: a stack of five complex numbers with its keypad,
equations of degree 1 to 4, typed expressions line by line, a function
plotter (cartesian, polar, parametric curves and conics), real and complex
matrices and a numeric solver.

Calculatrice scientifique de bureau, entièrement en français, en précision
étendue : pile de nombres complexes, équations, graphiques de fonctions,
matrices et solveur numérique.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, hence unseen by shlibdeps: Qt's French texts. The
# platform plugins (xcb, offscreen) come with libqt6gui6, the SVG image plugin
# with libqt6svg6 and the sound back end with libqt6multimedia6, all linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The sounds need a sound server; without one the program is silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
set(CPACK_STRIP_FILES ON)
include(CPack)
