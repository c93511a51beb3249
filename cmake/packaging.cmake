# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME staverly)
set(CPACK_PACKAGE_VENDOR Pellworth)
set(CPACK_PACKAGE_CONTACT "Pellworth <teacher@staverly.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tutor for reading notes on the staff and finding them on a piano")
# Wrapped for dpkg: CPack indents each line of the extended description.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Staverly shows one note at a time on a treble or a bass staff above a"
  "four-octave piano keyboard. The pupil answers by clicking the key, typing"
  "the note's letter or playing it on a MIDI keyboard or a real piano; every"
  "answer is judged, counted and scored at once."
  "."
  "Several pupils can share one computer: lessons are kept per pupil in a"
  "grade log that prints as a report, and printable note tests can be made"
  "for the classroom. Notes sound through a built-in synthesizer or any MIDI"
  "output. The program speaks German, French, Spanish, Italian and Brazilian"
  "Portuguese as well as English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://staverly.example/)
# The libraries the program links come from dpkg-shlibdeps; what it only
# loads or reads at run time is named here: the SQLite driver of the answer
# history, a General MIDI SoundFont for the built-in synthesizer, and the
# fonts of the window's captions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, timgm6mb-soundfont | sf3-soundfont-gm | sf2-soundfont-gm, fonts-liberation, fonts-comic-neue")
# Help, reports and links open in the desktop's browser; Qt's own
# translations name the buttons of standard dialogs in the chosen language;
# qt6-wayland lets it run as a Wayland client instead of through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, qt6-wayland")

# The private libraries of the control plugins live in lib/staverly, which
# the dynamic linker never searches: they are found through the plugins'
# RUNPATH. CPack would still write postinst and postrm scripts that only run
# ldconfig for anything under usr/lib; naming scripts that do not exist
# keeps it from writing them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${CMAKE_CURRENT_BINARY_DIR}/no-maintainer-scripts/postinst
  ${CMAKE_CURRENT_BINARY_DIR}/no-maintainer-scripts/postrm)

# What Debian asks of every package's documentation: the machine-readable
# copyright and the changelog, compressed as dpkg ships it.
set(STAVERLY_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/staverly)
set(debian_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${debian_changelog}
  COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/changelog > ${debian_changelog}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/changelog
  COMMENT "Compressing the Debian changelog")
add_custom_target(debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES cmake/debian/copyright ${debian_changelog} DESTINATION ${STAVERLY_INSTALL_DOCDIR})
# One lintian tag is overridden, with the reason beside it.
install(FILES cmake/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME staverly)
include(CPack)
