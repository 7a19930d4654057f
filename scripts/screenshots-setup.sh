#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the control dialog, the manual set-up dialog and the reset-IPsec dialog in the four
# interface languages to PNG files, for checking layouts and translations by eye. Offscreen,
# nothing is sent on any network.
#
#   scripts/screenshots-setup.sh [BUILD_DIR]
#
# BUILD_DIR defaults to build/debug and is configured with the debug preset when it is new.
# The pictures go to BUILD_DIR/screenshots: control_<language>.png, manual_setup_<language>.png
# and reset_ipsec_<language>.png.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly ROOT

main() {
    local build=${1:-$ROOT/build/debug}
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake --preset debug -B "$build" -S "$ROOT"
    fi
    cmake --build "$build" --target setup_screenshot_tool -j2
    build=$(cd "$build" && pwd)
    local out=$build/screenshots
    mkdir -p "$out"
    # One process per language, so that each is drawn in its own fonts.
    local lang
    for lang in en ja fr zh_CN; do
        env -u FC_LANG QT_QPA_PLATFORM=offscreen "$build/tests/ui/setup/setup_screenshot_tool" \
            --out "$out" --lang "$lang"
    done
    echo "screenshots-setup: pictures in $out"
}

main "$@"
