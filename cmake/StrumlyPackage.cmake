# `cpack -G DEB` in the build folder makes strumly_<version>_<arch>.deb from the install rules:
# the program in /usr/bin, its read-only data in /usr/share/strumly (where the program looks when
# it runs from /usr/bin), the desktop entry, icons, file types, AppStream entry, manual page and
# the guitar's udev rule in the places the desktop, man and udev read.
set(CPACK_PACKAGE_NAME strumly)
set(CPACK_PACKAGE_VENDOR "Strumly")
set(CPACK_PACKAGE_CONTACT "Strumly developers <strumly@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn and practise guitar chords, scales, songs and tablature")
set(CPACK_PACKAGE_DESCRIPTION
    "Strumly is a teaching and practice program for the six-string guitar. It shows chords and\n"
    "scales on a drawn fretboard and a piano keyboard, plays them through its built-in\n"
    "synthesizer, prints practice sheets and mirrors them on a Fretlight LED guitar.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY strumly)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/strumly/strumly")
# The libraries the program links come from dpkg-shlibdeps; what it loads at run time does not:
# Qt's platform plugins (a window, or the off-screen one the PDF command uses) and a General MIDI
# sound font for the built-in synthesizer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fluid-soundfont-gm | sf2-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
