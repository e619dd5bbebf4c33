# The Debian package: `cpack -G DEB` in a Release build folder.

set(CPACK_PACKAGE_NAME wraithlex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_CONTACT "Tarnwick <author@wraithlex.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.wraithlex.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "spelling game of GHOST against the computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Wraithlex is the old spelling game of GHOST for one player against the\n"
    "computer, in the variant where a letter may go before or after the\n"
    "growing fragment. You may challenge the computer's last letter, and edit\n"
    "the word set it plays with, starting from 81,458 SCOWL words.")
list(JOIN CPACK_PACKAGE_DESCRIPTION "" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The shared libraries come from dpkg-shlibdeps, which names the packages and
# versions of the system the package is built on. Fonts are not linked, so
# they are named here: the windows are designed in Arial, and Liberation Sans
# is its metric twin. The X11 platform plugin ships in libqt6gui6 itself.
find_program(WRAITHLEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(WRAITHLEX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6network6, fonts-liberation")
endif()
# Native windows in a Wayland session, and the links to the maker's pages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")

include(CPack)
