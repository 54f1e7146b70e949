# The Debian package (cpack -G DEB in the build folder, or scripts/package.sh).
set(CPACK_PACKAGE_NAME lumox)
set(CPACK_PACKAGE_VENDOR "The Lumox developers")
set(CPACK_PACKAGE_CONTACT "${LUMOX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "statistics and equation fitting for small data tables")
set(CPACK_PACKAGE_INSTALL_DIRECTORY lumox)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME lumox)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LUMOX_DEB_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUMOX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMOX_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found by dpkg-shlibdeps: the faces that stand in for the
# fonts the reports and graphs name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The synopsis comes from the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lumox opens a table of named numeric columns (a text data file or a dBase
table), or lets you type or paste one into a grid. It computes descriptive
statistics, fits twelve equation forms of one variable or a multiple
regression built from variables, powers, cross products and transforms,
estimates values with confidence and prediction intervals, and draws scatter
graphs, residual plots, histograms and ogives. Every result is recorded as a
fixed-width text report that can be edited, printed and saved.
.
The lumox-cli command runs the same computations from scripts.")
# The package installs under /usr; a build for another prefix names the wrong folders
# in its manual pages, so cpack refuses it.
set(CPACK_LUMOX_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/LumoxPackageCheck.cmake)
include(CPack)
