# What `cmake --install` puts beside the programs, and the Debian package
# that CPack builds from it:
#
#     cmake --build build && (cd build && cpack -G DEB)
#
# The package's dependencies come from dpkg-shlibdeps (dpkg-dev), which reads
# them off the programs' shared libraries, so they name exactly the Qt and C++
# runtime packages the build linked against. scripts/test-deb.sh installs the
# package on a fresh Debian 12 system.

set(PST_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/pstedit)

# The user documentation, with the guide's pictures where its links expect them.
install(FILES docs/guide.md docs/pstool.md DESTINATION ${PST_DOC_DIR})
install(DIRECTORY docs/images/ DESTINATION ${PST_DOC_DIR}/images FILES_MATCHING PATTERN "*.png")

set(PST_PACKAGE_CONTACT "pstedit maintainers" CACHE STRING "Maintainer of the Debian package")

set(CPACK_PACKAGE_NAME pstedit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${PST_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the self scan script of drive firmware modules")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "pstedit shows the self scan script that a hard disk drive keeps in a"
  "firmware module file (*.rpm) as a list of steps, edits their records byte"
  "by byte, inserts, deletes and moves steps while their links stay right,"
  "builds scripts from other modules of the drive, upgrades old scripts and"
  "exports them as INI files and TREX command scripts. pstool replays the"
  "same commands from the command line, for batch jobs. Sample catalogs and"
  "sample modules are included.")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  # scripts/package-windows.ps1 makes the Windows package, with windeployqt.
  set(CPACK_GENERATOR ZIP)
  include(CPack)
  return()
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
