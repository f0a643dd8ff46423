# The Debian package: `cpack -G DEB` in the build folder. Files are stripped;
# the run-time libraries come from dpkg-shlibdeps (Qt WebEngine's helper
# process included), the fonts the windows are drawn in are added.
set(CPACK_PACKAGE_NAME varnesk)
set(CPACK_PACKAGE_VENDOR Orvandel)
set(CPACK_PACKAGE_CONTACT "Orvandel <varnesk@orvandel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://orvandel.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "send one web search to three search engines at once")
set(CPACK_PACKAGE_DESCRIPTION "Varnesk sends one web search to up to three search engines at once and
shows the three result pages side by side in one window. A settings window
edits each engine's search command, how far each result page is scrolled to
the right once it has loaded, and whether the input lines are emptied when
every engine has answered.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-crosextra-carlito)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine")
include(CPack)
