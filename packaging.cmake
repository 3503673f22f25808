# The Debian package: `cpack -G DEB` in the build folder makes
# dbfview_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME dbfview)
set(CPACK_PACKAGE_VENDOR "DbfView developers")
set(CPACK_PACKAGE_CONTACT "DbfView developers <dbfview@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "View and correct dBASE (.dbf) tables")
set(CPACK_PACKAGE_DESCRIPTION
    "A Qt program that shows a dBASE table in a grid, corrects its records and \
structure, and shows any file as a table of byte codes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The shared libraries the program links come from dpkg-shlibdeps; Qt's
# platform plugins, the MIME database and xdg-open are loaded or run at run
# time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, shared-mime-info, xdg-utils")
include(CPack)
