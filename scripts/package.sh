#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a packager would: the default generator, a release build without
# tests, then `cpack -G DEB` in build/package. Checks the desktop entry, the metainfo file and
# the package (lintian must report no errors and no warnings) and prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVANE_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/tolvane_*.deb
(cd "$build" && cpack -G DEB)

desktop-file-validate packaging/tolvane.desktop
appstreamcli validate --pedantic --no-net packaging/io.github.tolvane.tolvane.metainfo.xml
package=$(ls "$build"/tolvane_*.deb)
lintian --fail-on error,warning "$package"
echo "package: $package"
