# `make package`: one Debian package in dist/, made by CPack from the install rules of the normal
# build tree. CPack rather than a debian/ folder with dpkg-buildpackage: the package then comes
# from the build that `make test` has just built and tested, with no second full build, and the
# install rules stay the one description of what is installed (`cmake --install` uses them too).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brenvox)
set(CPACK_PACKAGE_VENDOR "Brenvox developers")
set(CPACK_PACKAGE_CONTACT "Brenvox developers <packaging@brenvox.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the GSM alarm notifier module")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Brenvox edits every setting of the GSM alarm notifier module, keeps them\n"
  "in settings files, prints them and programs, compares or reads the module\n"
  "over a serial port. The package holds the program Brenvox, the command-line\n"
  "tool brenvox-cli and brenvox-modsim, a simulated module on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/dist)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brenvox.example.org/")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time it cannot
# see: the platform plugins (a window needs one) and the translations of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
