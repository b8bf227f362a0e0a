# A Debian package of the installed layout: cpack -G DEB in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "The Kelvaro developers")
set(CPACK_PACKAGE_CONTACT "Kelvaro maintainers <maintainers@users.noreply.c-seed-2e9fca4b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exercise in Bulgarian on the composition of alloys")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvaro is a small teaching program in Bulgarian. The student picks the elements\n\
of an alloy in three lists, largest share first, and checks the answer; a correct\n\
recipe brings a report about the alloy and marks it found.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the Qt 6 libraries it links, found by dpkg-shlibdeps
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2) # the metrics the layout was made for
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland) # a native window on Wayland desktops
include(CPack)
