# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME staverly)
set(CPACK_PACKAGE_VENDOR Pellworth)
set(CPACK_PACKAGE_CONTACT "Pellworth <teacher@staverly.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tutor for reading notes on the staff and finding them on a piano")
set(CPACK_PACKAGE_DESCRIPTION
  "Staverly shows one note at a time on a treble or a bass staff above a four-octave piano keyboard. The pupil answers by clicking the key, typing the note's letter or playing it on a MIDI keyboard; every answer is judged, counted and scored at once. Several pupils can share one computer: lessons are kept per pupil in a grade log that prints as a report, and printable note tests can be made for the classroom. Notes sound through a built-in synthesizer or any MIDI output.")
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
# translations name the buttons of standard dialogs in the chosen language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
include(CPack)
