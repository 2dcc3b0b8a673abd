# The Debian packages, made by `cpack -G DEB` in a build tree (tools/package
# makes them from a build with Debian's hardening flags and checks them):
#   rundaro        the program, its print module, desktop file, icon, man page
#   rundaro-sound  the race sounds' and call-outs' modules (Qt Multimedia, eSpeak NG)
#   rundaro-chart  the lap chart's module (Qt Widgets only)
# The program recommends the two modules and runs without them, so their Qt
# libraries, and what those pull in, are no hard dependencies; so are Qt's
# own translations, which its dialogs and menus take when present.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program sound chart)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME rundaro)
set(CPACK_DEBIAN_SOUND_PACKAGE_NAME rundaro-sound)
set(CPACK_DEBIAN_CHART_PACKAGE_NAME rundaro-chart)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# A native package: the version is the program's.
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rundaro project")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# Library dependencies as dpkg-shlibdeps finds them, per package; beyond
# them the program needs Qt's platform plugins and the fonts it draws with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS
  "rundaro-sound (= ${PROJECT_VERSION}), rundaro-chart (= ${PROJECT_VERSION}), qt6-translations-l10n")
set(CPACK_DEBIAN_SOUND_PACKAGE_DEPENDS "rundaro (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_CHART_PACKAGE_DEPENDS "rundaro (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_SOUND_PACKAGE_SECTION sound)

# First line the synopsis; a blank line between paragraphs (CPack indents).
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "Lap timer for skating races on an oval track
Rundaro times speed skating and inline skating races on an oval track. The
coach sets up the race (distance, lap length, target time, start allowance),
starts the clock and takes a lap each time the skater passes the line: from
the keyboard, with the on-screen buttons or through a contact on the DSR
line of a serial port.

The running time, the laps to go and the seconds ahead of or behind the
target pace are shown in very large type, readable from the track side; a
lap table compares every lap with the target. Every race is saved as a CSV
file. The user interface is German.")
set(CPACK_DEBIAN_SOUND_DESCRIPTION "Race sounds and call-outs for the Rundaro lap timer
A short tone at every passing, another one for the last lap and one at the
finish, played through Qt Multimedia, and the spoken call-outs (lap time,
gap to the schedule, laps to go) through eSpeak NG. Rundaro runs without
these modules and then plays and says nothing.")
set(CPACK_DEBIAN_CHART_DESCRIPTION "Lap chart for the Rundaro lap timer
The race as a chart on the Grafik tab: every lap's time against its target
and the seconds ahead of or behind the schedule. Rundaro runs without this
module and then shows no chart.")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackDebianConfig.cmake)

# The program and its modules stripped; their debug information goes into
# packages of their own (rundaro-dbgsym and so on, .ddeb files beside the
# .deb files), for reading crash reports. Only a build with debug
# information has any to give.
if(CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Debug)$")
  set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
  list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackDebianDbgsym.cmake)
endif()
