# Install rules and the Debian package (cpack -G DEB, scripts/build-deb).
# Needs KvInstallDirs.cmake included first.

set(KV_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/app/desktop)
set(KV_GENERATED_DIR ${PROJECT_BINARY_DIR}/install-files)
configure_file(${KV_DESKTOP_DIR}/${KV_APP_ID}.metainfo.xml
               ${KV_GENERATED_DIR}/${KV_APP_ID}.metainfo.xml @ONLY)
foreach(page kestrovanhalme kestrovanhalme-deal)
  configure_file(${PROJECT_SOURCE_DIR}/app/man/${page}.1 ${KV_GENERATED_DIR}/${page}.1 @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${KV_GENERATED_DIR}/changelog @ONLY)

install(TARGETS kestrovanhalme-deal RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(KV_BUILD_GUI)
  install(TARGETS kestrovanhalme RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS kv_printlib LIBRARY DESTINATION ${KV_PRINTLIB_INSTALL_DIR}
                              RUNTIME DESTINATION ${KV_PRINTLIB_INSTALL_DIR})
  install(FILES ${KV_DESKTOP_DIR}/${KV_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KV_GENERATED_DIR}/${KV_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${KV_DESKTOP_DIR}/icons/${KV_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${KV_DESKTOP_DIR}/icons/hicolor/${size}x${size}/${KV_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  # The help is built into the program; the same pages are installed to read
  # outside it.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/ui/help/pages/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/help)
endif()

# Manual pages and the changelog, compressed as Debian expects (gzip -9n:
# no name or time stamp, so the package is reproducible).
find_program(KV_GZIP gzip REQUIRED)
set(KV_GZIPPED)
foreach(file kestrovanhalme.1 kestrovanhalme-deal.1 changelog)
  add_custom_command(OUTPUT ${KV_GENERATED_DIR}/${file}.gz
                     COMMAND ${KV_GZIP} -9nc ${KV_GENERATED_DIR}/${file} > ${KV_GENERATED_DIR}/${file}.gz
                     DEPENDS ${KV_GENERATED_DIR}/${file} VERBATIM)
  list(APPEND KV_GZIPPED ${KV_GENERATED_DIR}/${file}.gz)
endforeach()
add_custom_target(kv_install_files ALL DEPENDS ${KV_GZIPPED})
install(FILES ${KV_GENERATED_DIR}/kestrovanhalme-deal.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(KV_BUILD_GUI)
  install(FILES ${KV_GENERATED_DIR}/kestrovanhalme.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${KV_GENERATED_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
        RENAME changelog.gz)

# The Debian package: cpack -G DEB in the build folder (scripts/build-deb).
set(CPACK_PACKAGE_NAME kestrovanhalme)
set(CPACK_PACKAGE_VENDOR "The Kestrovanhalme developers")
set(CPACK_PACKAGE_CONTACT "The Kestrovanhalme developers <maintainers@kestrovanhalme.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bridge deal generator with hand types, printing and PBN")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrovanhalme deals random contract-bridge deals that meet constraints\n"
    "you set: up to eight hand types of South's and North's high-card points\n"
    "and suit lengths, each with a relative frequency. It shows the deals as\n"
    "card faces with double-dummy results, prints hand records, keeps named\n"
    "parameter sets in a small file that players exchange, and shares the\n"
    "random seed between players. kestrovanhalme-deal deals many deals at\n"
    "once as text or PBN.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
# The package installs under /usr whatever prefix the build was configured for;
# every installed path above is relative, the print library's folder included.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
