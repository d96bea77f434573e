# The Debian package: cpack -G DEB in the build folder makes
# zorvane_<version>_amd64.deb. dpkg-shlibdeps works out the library
# dependencies; the Qt platform plugins and the Chinese font are needed at run
# time without being linked, so they are named here.
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VENDOR "Zorvane")
set(CPACK_PACKAGE_CONTACT "Zorvane developers <dev@zorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for share traders")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator with a keypad and four trading functions that turn typed prices into rebound, pullback and sell-off targets and the round-trip cost of a trade. Its texts are Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-uming")

include(CPack)
