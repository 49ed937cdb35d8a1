# The Debian package: `cpack -G DEB` in the build directory makes korvane_<version>_<arch>.deb
# from the install rules.

set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "Les auteurs de Korvane")
set(CPACK_PACKAGE_CONTACT "Les auteurs de Korvane <korvane@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary line, then the long description in French and in English.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[environnement BASIC en français / BASIC environment in French
Korvane est un environnement pour apprendre et écrire des programmes BASIC
en français : fenêtres d'édition qui colorent les programmes .bas, un
interpréteur qui exécute les lignes de l'éditeur et dessine sur la fenêtre
« Ecran », points d'arrêt, mode pas à pas, table des symboles, assistants,
calculatrice, horloge et calendrier. korvane-run exécute les mêmes programmes
dans un terminal. Des programmes d'exemple commentés sont fournis.

Korvane is an environment for learning and writing BASIC programs in French:
editor windows that colour .bas programs, an interpreter that runs the
editor's lines and draws on a run window, breakpoints, step mode, a symbol
table, wizards, a calculator, a clock and a calendar. korvane-run runs the
same programs in a terminal. Commented example programs are included.]=])
# The libraries come from the binaries; the run window, the listings and the splash name the
# DejaVu fonts, and Qt's standard buttons are French only with its translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
