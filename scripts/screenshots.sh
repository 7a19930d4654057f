#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders Tolvane's main window and its message, progress and choice dialogs (and, through
# scripts/screenshots-setup.sh, the control and set-up dialogs) in the four
# interface languages to PNG files, for checking layouts and translations by eye.
#
#   scripts/screenshots.sh [BUILD_DIR]
#
# BUILD_DIR defaults to build/debug and is configured with the debug preset when it is new.
# Each language is rendered by a process of its own, in the fonts the program uses for it (the
# Han characters take Japanese or Chinese forms by fontconfig's language, which a process reads
# once). The pictures go to BUILD_DIR/screenshots: <window>_<language>.png. The main window with three
# emulated cameras (factory-new, static, DHCP) is taken inside the network test bed
# (scripts/testbed.sh) as main_testbed_<language>.png; where no bed can be made, that picture is
# skipped with the reason and the others are still made.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly ROOT
readonly BED_CAMERAS=3
readonly DISCOVERY_SECONDS=6.5
readonly EMULATOR_SECONDS=60
readonly LANGUAGES=(en ja fr zh_CN)

# Runs a screenshot tool once per language; FC_LANG is left to the tool, which sets it as the
# program does.
shoot_each_language() {
    local lang status=0
    for lang in "${LANGUAGES[@]}"; do
        env -u FC_LANG QT_QPA_PLATFORM=offscreen "$@" --lang "$lang" || status=$?
    done
    return "$status"
}

# Inside the bed: three cameras, then the main window in "pc" after some seconds of discovery.
shoot_in_bed() {
    local tool=$1 emulator=$2 out=$3 i pids=() status=0 lang
    local profiles=(factory-new static dhcp)
    for ((i = 1; i <= BED_CAMERAS; i++)); do
        local mac_var=TESTBED_CAM${i}_MAC ip_var=TESTBED_CAM${i}_IP
        "$TESTBED_SCRIPT" exec "cam$i" -- "$emulator" --profile "${profiles[i - 1]}" \
            --mac "${!mac_var}" --ip "${!ip_var}" --run-seconds "$EMULATOR_SECONDS" >/dev/null &
        pids+=($!)
    done
    sleep 1 # the emulators bind their port
    for lang in "${LANGUAGES[@]}"; do
        "$TESTBED_SCRIPT" exec pc -- env -u FC_LANG QT_QPA_PLATFORM=offscreen "$tool" \
            --out "$out" --lang "$lang" --testbed-seconds "$DISCOVERY_SECONDS" \
            --interface "$TESTBED_IF" || status=$?
    done
    for pid in "${pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    return "$status"
}

main() {
    if [ "${1:-}" = --in-bed ]; then
        shift
        shoot_in_bed "$@"
        return
    fi
    local build=${1:-$ROOT/build/debug}
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake --preset debug -B "$build" -S "$ROOT"
    fi
    cmake --build "$build" --target screenshot_tool tolvane-camera-emulator -j2
    build=$(cd "$build" && pwd)
    local out=$build/screenshots
    local tool=$build/tests/ui/screenshot_tool
    local emulator=$build/tools/camera-emulator/tolvane-camera-emulator
    mkdir -p "$out"

    shoot_each_language "$tool" --out "$out"

    # The control, manual set-up and reset-IPsec dialogs, into the same folder.
    "$ROOT/scripts/screenshots-setup.sh" "$build"

    local status=0
    "$ROOT/scripts/testbed.sh" run --cameras "$BED_CAMERAS" -- \
        "$ROOT/scripts/screenshots.sh" --in-bed "$tool" "$emulator" "$out" || status=$?
    case $status in
    0) ;;
    77) echo "screenshots: main window with emulated cameras skipped: no test bed here" >&2 ;;
    *) echo "screenshots: the test-bed picture failed (status $status)" >&2; return "$status" ;;
    esac
    echo "screenshots: pictures in $out"
}

main "$@"
