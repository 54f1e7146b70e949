#!/usr/bin/env bash
# Builds the Debian package of Lumox into build-package/ (or $LUMOX_PACKAGE_BUILD_DIR)
# and checks it with lintian. Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
LUMOX_SETUP_PACKAGES_ONLY=1 scripts/setup.sh

build="${LUMOX_PACKAGE_BUILD_DIR:-build-package}"
# Debian's hardened compiler and linker flags, as its own packages are built.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@" > /dev/null
cmake --build "$build" --target lumox_installable -j "$(nproc)"
rm -f "$build"/lumox_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
package=$(ls "$build"/lumox_*.deb)
# Errors fail the script; warnings and notes are listed for the reader.
lintian --fail-on error --info "$package"
echo "Package: $package"
