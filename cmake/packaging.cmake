# The Debian package: `cpack -G DEB` in the build folder (./build.sh package)
# makes qorvix_<version>_amd64.deb from the install rules, for /usr.
set(QORVIX_PACKAGE_MAINTAINER "qorvix maintainers <maintainers@qorvix.invalid>"
    CACHE STRING "The package's Maintainer field")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qorvix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "COBOL copy files and interface classes for COM type libraries")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "qorvix reads COM type libraries (.tlb, .olb, .dll, .ocx, or libraries registered in a\n"
       "Wine prefix) and writes COBOL source that lets object-oriented COBOL programs call\n"
       "those components: a copy file, and on request one interface class file per interface.\n"
       "It has a command line for batch runs and windows to browse a library or the\n"
       "registered ones. This package also holds tlbdump and tlblist, which show what qorvix\n"
       "reads.")
# Installed with DESTDIR under /usr, as a package build does: the desktop
# databases are then left to the system's triggers.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QORVIX_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The shared libraries come from dpkg-shlibdeps (Qt through the dialogs'
# module, the C++ run time); Qt's window-system plugins and libsystemd (for
# the IDE's bus) are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/app)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsystemd0")
# Qt's own texts in the satellites' languages, and a font with the Chinese,
# Japanese and Korean characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-noto-cjk, xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/resources/debian/postinst ${PROJECT_SOURCE_DIR}/resources/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# /usr/share/doc/qorvix/copyright, in Debian's machine-readable format. The
# sources name no licence of their own; whoever publishes the package says
# which one applies.
set(QORVIX_PACKAGE_COPYRIGHT "qorvix maintainers" CACHE STRING "The copyright holders")
set(QORVIX_PACKAGE_LICENSE "other" CACHE STRING "The licence's short name")
set(QORVIX_PACKAGE_LICENSE_TEXT
    "No licence has been published with qorvix; ask the copyright holders what use they permit."
    CACHE STRING "The licence's text (one paragraph)")
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in
               ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)
