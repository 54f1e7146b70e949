# Run by cpack before it packages: the Debian package is made only from a build
# configured for /usr, where it installs.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_LUMOX_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR "This build installs under ${CPACK_LUMOX_INSTALL_PREFIX}; configure it with "
                      "-DCMAKE_INSTALL_PREFIX=/usr for the package (scripts/package.sh does).")
endif()
