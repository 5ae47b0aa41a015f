# make deb: a Debian package of everything installed, built by CPack. Its Depends come from the
# shared libraries the programs load (dpkg-shlibdeps), so they name what this build links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorix)
set(CPACK_PACKAGE_VENDOR Morvane)
set(CPACK_PACKAGE_CONTACT "Dorix maintainers <dorix@morvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare two files in one merged, coloured text")
set(CPACK_PACKAGE_DESCRIPTION
    "Dorix compares a new and an old version of a file and shows the result in a\n"
    "window as one merged text, with inserted, deleted, updated and moved text in\n"
    "styles of their own, and compares two folders entry by entry. The dorix-diff\n"
    "command runs the same comparison in a terminal and as git's external diff.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SVG icon engine is loaded as a plug-in, which dpkg-shlibdeps cannot see; the help viewer
# and Qt's own Russian texts are welcome but not needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
