# The Debian package: `cpack` in a build folder makes tessara_<version>_<arch>.deb
# from what `cmake --install` puts under /usr. The dependencies come from
# dpkg-shlibdeps: on Debian 12 the X11 (xcb) platform plugin ships in libqt6gui6
# itself; the Wayland one, loaded only on a Wayland desktop, is recommended. Menus,
# file types and icon caches are refreshed by Debian's own triggers on install.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessara developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic circuit simulator for learners")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessara developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The lines after the summary; a line of one period separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tessara is a small simulator of digital logic circuits. In one window the
learner builds a circuit from AND, OR, NOT, NAND, NOR and XOR gates, circuit
inputs and outputs joined by wires, powers it up, toggles the inputs and
advances every signal one step at a time, seeing each gate's value.
.
The package also holds tessara-sim, which runs circuit files without the
window: step traces, truth tables, grading against an expected answer and
summaries.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the dialogs' buttons in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
