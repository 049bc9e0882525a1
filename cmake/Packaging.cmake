# Debian package of the installed tree: `make package` builds it in its own
# Release build directory, `scripts/check-package.sh` looks inside it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rungekutta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "RungeKutta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "learn the fourth-order Runge-Kutta method on six equations y' = f(x, y)")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick a differential equation, type the start abscissa, the initial ordinate\n\
and the final abscissa, and the program integrates at the fixed step 0.05,\n\
plotting the solution and its slope and listing an x / y table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Without this a umask of 002 leaves group-writable directories in the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "RungeKutta developers <maintainers@users.noreply.c-seed-2a68bfa8.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries (with the versions the binary was linked against) come from
# dpkg-shlibdeps; the fonts are chosen by name at run time, so list them here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# The window icon is an SVG, read through Qt's SVG plugins; the Japanese
# dialog texts and the native Wayland platform are welcome, not needed.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

include(CPack)
