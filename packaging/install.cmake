# Installation (`cmake --install`) and the Debian package (`cpack -G DEB`).
#
# Installed: the two programs into bin and their manual pages into
# share/man/man1; with Qt, the PDF module of the text front end into the
# library folder's casl2wb; the bash completion of the text front end; with the desktop
# program, its menu entry and icon; the example programs and their test file
# into share/casl2wb/examples. The screenshot tool is for the README only and
# is not installed.
include(GNUInstallDirs)

set(CASL2WB_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(CASL2WB_EXAMPLES_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/casl2wb/examples)
set(CASL2WB_COMPLETIONS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

install(TARGETS casl2wb-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET casl2wb-pdf)
  install(TARGETS casl2wb-pdf LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/casl2wb)
endif()
install(FILES ${CASL2WB_PACKAGING_DIR}/casl2wb-cli.bash-completion
        DESTINATION ${CASL2WB_COMPLETIONS_INSTALL_DIR} RENAME casl2wb-cli)

# The manual pages of the programs that are built, with the version filled
# in and compressed as Debian keeps manual pages (gzip -9n: no name, no time).
find_program(CASL2WB_GZIP gzip REQUIRED)
set(CASL2WB_MANUAL_PAGES casl2wb-cli)
if(TARGET casl2wb)
  list(APPEND CASL2WB_MANUAL_PAGES casl2wb)
endif()
set(CASL2WB_COMPRESSED_PAGES)
foreach(page ${CASL2WB_MANUAL_PAGES})
  set(source ${PROJECT_SOURCE_DIR}/docs/${page}.1.in)
  set(built ${PROJECT_BINARY_DIR}/man/${page}.1)
  configure_file(${source} ${built} @ONLY)
  add_custom_command(OUTPUT ${built}.gz
                     COMMAND ${CASL2WB_GZIP} -9nkf ${built}
                     DEPENDS ${built}
                     COMMENT "Compressing the manual page ${page}.1")
  list(APPEND CASL2WB_COMPRESSED_PAGES ${built}.gz)
endforeach()
add_custom_target(casl2wb-manual-pages ALL DEPENDS ${CASL2WB_COMPRESSED_PAGES})
install(FILES ${CASL2WB_COMPRESSED_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET casl2wb)
  install(TARGETS casl2wb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CASL2WB_PACKAGING_DIR}/casl2wb.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CASL2WB_PACKAGING_DIR}/casl2wb.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CASL2WB_PACKAGING_DIR}/icons/${size}/casl2wb.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

file(GLOB CASL2WB_EXAMPLE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.txt
     ${PROJECT_SOURCE_DIR}/examples/*.toml ${PROJECT_SOURCE_DIR}/examples/*.cas)
install(FILES ${CASL2WB_EXAMPLE_FILES} DESTINATION ${CASL2WB_EXAMPLES_INSTALL_DIR})

# The package: casl2wb_VERSION_ARCH.deb. The library dependencies come from
# dpkg-shlibdeps (dpkg-dev) over the installed programs; the rest are named
# here: the Japanese fixed-pitch font of the lists and printouts, Qt's
# window-system plugins, without which the desktop program opens no window,
# and Qt's translations.
set(CASL2WB_PACKAGE_MAINTAINER "casl2wb developers <casl2wb@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME casl2wb)
set(CPACK_PACKAGE_VENDOR "casl2wb developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "CASL II assembler and COMET II simulator for teaching")
set(CPACK_PACKAGE_DESCRIPTION
    "A workbench for learning the CASL II assembly language and the 16-bit COMET II
machine. A program typed into the editor or loaded from a text file is
checked, translated into COMET II machine code and run on a simulated
COMET II, which shows the registers, flags, output, a memory dump and a trace
of every executed instruction; a step replay walks through the run. All
messages are Japanese.

The package holds the desktop program casl2wb (Qt 6), the text front end
casl2wb-cli with the same check, translation, simulator and printed lists,
error lines for editors and the grading of programs against test cases,
and example programs in /usr/share/casl2wb/examples.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CASL2WB_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
if(TARGET casl2wb)
  # Qt's standard dialogs (file, print, page set-up, message boxes) in
  # Japanese: the desktop program loads Qt's translations at start-up.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins, qt6-translations-l10n")
endif()
include(CPack)

# Installs into a scratch folder and checks the layout and the installed text
# front end (packaging/check-install.cmake).
if(CASL2WB_BUILD_TESTS)
  set(CASL2WB_CHECK_DESKTOP OFF)
  if(TARGET casl2wb)
    set(CASL2WB_CHECK_DESKTOP ON)
  endif()
  add_test(NAME Packaging.InstallLayout
           COMMAND ${CMAKE_COMMAND}
                   -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DPREFIX=${PROJECT_BINARY_DIR}/install-check
                   -DBINDIR=${CMAKE_INSTALL_BINDIR}
                   -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
                   -DDATADIR=${CMAKE_INSTALL_DATADIR}
                   -DEXAMPLES_DIR=${CASL2WB_EXAMPLES_INSTALL_DIR}
                   -DMANDIR=${CMAKE_INSTALL_MANDIR}
                   -DCOMPLETIONS_DIR=${CASL2WB_COMPLETIONS_INSTALL_DIR}
                   -DSOURCE_EXAMPLES=${PROJECT_SOURCE_DIR}/examples
                   -DDESKTOP=${CASL2WB_CHECK_DESKTOP}
                   -DVERSION=${PROJECT_VERSION}
                   -P ${CASL2WB_PACKAGING_DIR}/check-install.cmake)
  find_program(CASL2WB_DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(CASL2WB_DESKTOP_FILE_VALIDATE)
    add_test(NAME Packaging.DesktopEntryIsValid
             COMMAND ${CASL2WB_DESKTOP_FILE_VALIDATE} ${CASL2WB_PACKAGING_DIR}/casl2wb.desktop)
  endif()
endif()
