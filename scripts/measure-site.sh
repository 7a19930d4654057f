#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures discovery of a whole site in the network test bed: emulated cameras in cam1 (up to
# 1024 in one emulator), the discovery driver in "pc" on the window's search schedule.
#
#   1. For N = 20, 250 and 1000 cameras that answer every search, RUNS runs each of one search:
#      the time from the search to the last camera in the table, whether all N are in it, and
#      when the emulator sent its last reply (the emulator sends and logs one reply after the
#      other, so for large N it sets the pace).
#   2. 250 cameras that each ignore 5 % of the searches at random (--drop-share 0.05, another
#      seed per run), RUNS runs of three search periods each: the cameras in the table after
#      the first, the second and the third search, and whether all 250 are in it by the third.
#
#   scripts/measure-site.sh [RUNS] [BUILD_DIR]     (defaults: 3, build/debug)
#
# Needs root or user namespaces (scripts/testbed.sh). A debug build measures the sanitizers
# too; build/release has no test programs, but EMULATOR=build/release/tools/camera-emulator/
# tolvane-camera-emulator takes its faster emulator.
set -euo pipefail

readonly ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly SITES=(20 250 1000)
readonly DROP_CAMERAS=250
readonly DROP_SHARE=0.05
# One search at 0.5 s and time for its replies before the next would go out.
readonly ONE_SEARCH_SECONDS=5
# Searches at 0.5 s, 5.5 s and 10.5 s and time for the last one's replies.
readonly THREE_SEARCHES_SECONDS=12

# Starts the emulator in cam1 with the given options and waits until it listens; prints its pid.
start_emulator() {
    local log=$1
    shift
    ip netns exec "$TESTBED_CAM1" "$EMULATOR" --profile static --mac 02:77:10:00:01:00 \
        --ip 10.77.1.1 --log "$log" "$@" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
        grep -q '"listening"' "$log" 2>/dev/null && break
        sleep 0.1
    done
    echo "$pid"
}

stop_emulator() {
    kill -TERM "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

discover() {
    ip netns exec "$TESTBED_PC" "$DRIVER" --seconds "$1"
}

# One line: the time from the first search to the last new camera, the count, and the time of
# the emulator's last reply to that search.
report_fill() {
    python3 -c '
import json, sys
n, run, log = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
result = json.loads(sys.stdin.read())
search = result["searchMs"][0]
replies = [e["monotonicMs"] for e in map(json.loads, open(log)) if e.get("event") == "reply"]
sent = max((ms for ms in replies if ms >= search), default=search)
growth = result["growth"]
last = max((ms for ms, count in growth), default=search)
complete = next((ms for ms, count in growth if count == n), None)
found = result["cameraCount"]
buffer = result["receiveBufferBytes"]
when = f"{complete - search} ms" if complete is not None else "never"
print(f"  N={n:4d} run {run}: {found}/{n} in the table, all {n} at {when} after the search "
      f"(last new camera at {last - search} ms, last reply sent at {sent - search} ms), "
      f"receive buffer {buffer} bytes")
' "$@"
}

# One line: the count after each of the three searches.
report_drops() {
    python3 -c '
import json, sys
n, run = int(sys.argv[1]), int(sys.argv[2])
result = json.loads(sys.stdin.read())
after = result["countsAtSearch"][1:] + [result["cameraCount"]]
verdict = "all within three search periods" if after[2] == n else "NOT all by the third search"
print(f"  run {run}: after search 1, 2, 3: {after[0]}, {after[1]}, {after[2]} of {n}: {verdict}")
' "$@"
}

measure_in_bed() {
    local runs=$1 build=$2 n run log pid
    EMULATOR=${EMULATOR:-$build/tools/camera-emulator/tolvane-camera-emulator}
    DRIVER=$build/tests/e2e/discovery_driver
    log=$(mktemp)
    echo "cameras answering every search, one search per run:"
    for n in "${SITES[@]}"; do
        : >"$log"
        pid=$(start_emulator "$log" --count "$n" --run-seconds $((runs * 10 + 30)))
        for ((run = 1; run <= runs; run++)); do
            discover "$ONE_SEARCH_SECONDS" | report_fill "$n" "$run" "$log"
        done
        stop_emulator "$pid"
    done
    echo "$DROP_CAMERAS cameras each ignoring $DROP_SHARE of the searches, three searches per run:"
    for ((run = 1; run <= runs; run++)); do
        : >"$log"
        pid=$(start_emulator "$log" --count "$DROP_CAMERAS" --drop-share "$DROP_SHARE" \
            --seed "$run" --run-seconds $((THREE_SEARCHES_SECONDS + 30)))
        discover "$THREE_SEARCHES_SECONDS" | report_drops "$DROP_CAMERAS" "$run"
        stop_emulator "$pid"
    done
    rm -f "$log"
}

main() {
    if [ "${1:-}" = --in-bed ]; then
        measure_in_bed "$2" "$3"
        return
    fi
    local runs=${1:-3} build=${2:-$ROOT/build/debug}
    [[ $runs =~ ^[0-9]+$ ]] && [ "$runs" -ge 1 ] && [ "$runs" -le 20 ] ||
        { echo "measure-site: RUNS takes a number from 1 to 20" >&2; exit 2; }
    build=$(cd "$build" && pwd)
    [ -x "$build/tests/e2e/discovery_driver" ] ||
        { echo "measure-site: no discovery_driver in $build (build it first)" >&2; exit 2; }
    exec "$ROOT/scripts/testbed.sh" run --cameras 1 -- "$ROOT/scripts/measure-site.sh" \
        --in-bed "$runs" "$build"
}

main "$@"
