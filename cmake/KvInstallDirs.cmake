# Where installed files go. The program and kestrovanhalme-deal go
# into bin; the print library into the program's own library folder, which the
# program finds relative to itself (KV_PRINTLIB_RELATIVE_DIR), so an installed
# tree works wherever it is unpacked and no RPATH is needed.
# Documentation goes under the package's name, as Debian expects.
if(NOT CMAKE_INSTALL_DOCDIR)
  set(CMAKE_INSTALL_DOCDIR share/doc/kestrovanhalme CACHE PATH "Documentation folder" FORCE)
endif()
include(GNUInstallDirs)

set(KV_APP_ID org.kestrovanhalme.Kestrovanhalme)
# A private library folder, under the multiarch triplet where the system has one
# (/usr/lib/x86_64-linux-gnu/kestrovanhalme on Debian, whatever the prefix).
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(KV_PRINTLIB_INSTALL_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/kestrovanhalme)
else()
  set(KV_PRINTLIB_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/kestrovanhalme)
endif()
file(RELATIVE_PATH KV_PRINTLIB_RELATIVE_DIR
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KV_PRINTLIB_INSTALL_DIR})

