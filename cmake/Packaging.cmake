# Installing Quelmar as a desktop program, its manual pages, and the Debian package.
#
#   cmake --install build/dir --prefix ~/.local      # or /usr/local (the default)
#   (cd build/dir && cpack)                          # quelmar_<version>_<arch>.deb
include(GNUInstallDirs)

# The release the package, the manual pages and the AppStream data describe.
set(QUELMAR_RELEASE_EPOCH 1796688000)  # 2026-12-08, the date of version 1.2
set(QUELMAR_APP_ID "org.quelmar.quelmar")
set(QUELMAR_SCREENSHOT_URL "https://quelmar.example.org/screenshots" CACHE STRING
    "Public web folder that holds docs/screenshots/, named in the AppStream data")

set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${QUELMAR_RELEASE_EPOCH})
string(TIMESTAMP QUELMAR_RELEASE_DATE "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

install(TARGETS quelmar-cli stbsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Debian wants every package's copyright notice in its documentation folder, under the
# package's own name; the JSON schema that exports follow goes with the program's data.
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quelmar)
install(FILES docs/database.schema.json DESTINATION ${CMAKE_INSTALL_DATADIR}/quelmar)

# ---- manual pages ------------------------------------------------------------------
# quelmar-cli's and stbsim's come from their --help, so they never drift from it.
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
set(QUELMAR_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(QUELMAR_MAN_PAGES "")

function(quelmar_man_page target name_line version_string)
  set(page ${QUELMAR_MAN_DIR}/${target}.1)
  set(include ${CMAKE_SOURCE_DIR}/docs/man/${target}.h2m)
  set(script ${CMAKE_SOURCE_DIR}/cmake/GenerateManPage.cmake)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELMAR_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${HELP2MAN} -DGZIP=${GZIP} -DPROGRAM=$<TARGET_FILE:${target}>
            -DNAME_LINE=${name_line} -DINCLUDE=${include} -DEPOCH=${QUELMAR_RELEASE_EPOCH}
            -DOUTPUT=${page} -DVERSION_STRING=${version_string} -P ${script}
    DEPENDS ${target} ${include} ${script}
    COMMENT "Writing the manual page of ${target}"
    VERBATIM)
  set(QUELMAR_MAN_PAGES ${QUELMAR_MAN_PAGES} ${page}.gz PARENT_SCOPE)
endfunction()

if(HELP2MAN)
  quelmar_man_page(quelmar-cli
                   "check, convert and transfer the channel database of a satellite receiver" "")
  quelmar_man_page(stbsim "a simulated satellite receiver on a serial line, for trying transfers"
                   "stbsim ${PROJECT_VERSION}")
else()
  message(WARNING "help2man was not found: the manual pages of quelmar-cli and stbsim are not "
                  "built or installed (scripts/deps.sh installs help2man)")
endif()

if(QUELMAR_GUI)
  # The window's page is written by hand; it is short and has no --help to come from.
  add_custom_command(
    OUTPUT ${QUELMAR_MAN_DIR}/quelmar.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELMAR_MAN_DIR}
    COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/docs/man/quelmar.1 > ${QUELMAR_MAN_DIR}/quelmar.1.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/quelmar.1
    COMMENT "Compressing the manual page of quelmar")
  list(APPEND QUELMAR_MAN_PAGES ${QUELMAR_MAN_DIR}/quelmar.1.gz)
endif()

if(QUELMAR_MAN_PAGES)
  add_custom_target(man_pages ALL DEPENDS ${QUELMAR_MAN_PAGES})
  install(FILES ${QUELMAR_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# ---- the desktop: program, entry, icons, file type, software-centre data -----------
if(QUELMAR_GUI)
  install(TARGETS quelmar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/quelmar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES resources/icons/quelmar-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quelmar.png)
  endforeach()
  install(FILES resources/icons/quelmar.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/quelmar-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME quelmar.xml)
  set(QUELMAR_METAINFO ${CMAKE_BINARY_DIR}/${QUELMAR_APP_ID}.metainfo.xml)
  configure_file(packaging/quelmar.metainfo.xml.in ${QUELMAR_METAINFO} @ONLY)
  install(FILES ${QUELMAR_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# ---- the Debian package ------------------------------------------------------------
# Its dependencies are what dpkg-shlibdeps finds the programs linked against; the
# desktop's own caches (icons, file types, menu) refresh through their packages' triggers.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quelmar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the channel database of a satellite receiver")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quelmar opens and saves the channel database of a digital satellite receiver\n"
       "(set-top box) as a .qdb file, receives it from and sends it to the receiver\n"
       "over an RS-232 serial line, and edits its satellites, transponders, programs,\n"
       "TV and radio channel order and favourite groups.\n"
       "\n"
       "The package also holds quelmar-cli, which checks, converts and transfers the\n"
       "same files in scripts, and stbsim, a simulated receiver on a pseudo-terminal\n"
       "for trying transfers without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own German (and other) texts for the standard dialogs' buttons; the window's own
# translations are built into it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
