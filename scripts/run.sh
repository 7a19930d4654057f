#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tolvane and runs it in the network test bed against three emulated cameras: one
# factory-new, one with a static address, one on DHCP. With a display the window opens in the
# bed's "pc" host; without one the headless listing prints what discovery finds. A command-line
# set-up (--setup, --setup-by-mac, --apply) runs as given, without a window. Nothing is sent on
# the machine's real network.
#
#   scripts/run.sh [TOLVANE OPTIONS...]      e.g. scripts/run.sh --lang fr
#                                                 scripts/run.sh --apply site.csv --dry-run
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--in-bed" ]; then
    bash scripts/install-deps.sh
    cmake --preset release
    cmake --build --preset release --target tolvane tolvane-camera-emulator -j"$(nproc)"
    exec bash scripts/testbed.sh run --cameras 3 -- bash "$0" --in-bed "$@"
fi
shift

build=build/release
emulator=$build/tools/camera-emulator/tolvane-camera-emulator
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

ip netns exec "$TESTBED_CAM1" "$emulator" --profile factory-new --mac 02:00:5E:10:00:01 \
    --interface "$TESTBED_IF" --restart-silence 15 --log "$logs/cam1.jsonl" &
ip netns exec "$TESTBED_CAM2" "$emulator" --profile static --mac 02:00:5E:10:00:02 \
    --ip 10.77.0.101 --interface "$TESTBED_IF" --log "$logs/cam2.jsonl" &
ip netns exec "$TESTBED_CAM3" "$emulator" --profile dhcp --mac 02:00:5E:10:00:03 \
    --ip 10.77.0.102 --port 8080 --interface "$TESTBED_IF" --log "$logs/cam3.jsonl" &

# Wait (at most 5 s) until the three cameras listen.
for _ in $(seq 50); do
    ready=$(cat "$logs"/cam*.jsonl 2>/dev/null | grep -c '"event":"listening"' || true)
    [ "$ready" -ge 3 ] && break
    sleep 0.1
done

headless_command=false
for option in "$@"; do
    case $option in
    --setup | --setup=* | --setup-by-mac | --setup-by-mac=* | --apply | --apply=* | --list)
        headless_command=true ;;
    esac
done

if $headless_command; then
    ip netns exec "$TESTBED_PC" "$build/src/app/tolvane" "$@"
elif [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Tolvane runs in the test bed's pc host ($TESTBED_PC_IP); close its window to end."
    ip netns exec "$TESTBED_PC" "$build/src/app/tolvane" "$@"
else
    echo "No display: listing the cameras that answer within 6 s (no., MAC, address, port, status)."
    ip netns exec "$TESTBED_PC" "$build/src/app/tolvane" --list --seconds 6 "$@"
fi
