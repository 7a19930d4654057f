#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the camera socket under a flood, in the network test bed: an emulator in cam1 plays
# 30 cameras and sends FLOOD junk datagrams around their 30 replies to each search; the
# discovery driver in "pc" searches once per run. For each run it prints the cameras found
# (all 30, in the order of their MACs), the datagrams the socket drained (all
# FLOOD + 30 when none was lost), the growth of the pc host's UDP RcvbufErrors
# (/proc/net/snmp) and the drain rate: datagrams over the time spent inside the drains, from
# the socket's debug output. Floods of 1000 and 5000, RUNS runs each.
#
#   scripts/measure-flood.sh [RUNS] [BUILD_DIR]     (defaults: 20, build/debug)
#
# Needs root or user namespaces (scripts/testbed.sh). A debug build measures the sanitizers
# too; build/release has no test programs.
set -euo pipefail

readonly ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly FLOODS=(1000 5000)
readonly CAMERAS=30
readonly RUN_SECONDS=3

# Run inside the bed: RUNS and BUILD_DIR come as arguments.
measure_in_bed() {
    local runs=$1 build=$2 flood run log pid
    local emulator=$build/tools/camera-emulator/tolvane-camera-emulator
    local driver=$build/tests/e2e/discovery_driver
    for flood in "${FLOODS[@]}"; do
        log=$(mktemp)
        ip netns exec "$TESTBED_CAM1" "$emulator" --profile static --count "$CAMERAS" \
            --mac 02:77:10:00:00:01 --ip 10.77.0.101 --flood "$flood" --log "$log" \
            --run-seconds $((runs * 6 + 20)) &
        pid=$!
        for _ in $(seq 50); do
            grep -q '"listening"' "$log" && break
            sleep 0.1
        done
        echo "flood $flood + $CAMERAS replies, $runs runs"
        for ((run = 1; run <= runs; run++)); do
            local before after out err
            before=$(rcvbuf_errors)
            err=$(mktemp)
            out=$(QT_LOGGING_RULES="tolvane.protocol.debug=true" \
                ip netns exec "$TESTBED_PC" "$driver" --seconds "$RUN_SECONDS" 2>"$err")
            after=$(rcvbuf_errors)
            report_run "$run" "$flood" "$out" "$err" $((after - before))
            rm -f "$err"
        done | summarise
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        rm -f "$log"
    done
}

rcvbuf_errors() {
    ip netns exec "$TESTBED_PC" awk '
        $1 == "Udp:" && !header { for (i = 2; i <= NF; i++) if ($i == "RcvbufErrors") column = i; header = 1; next }
        $1 == "Udp:" { print $column }' /proc/net/snmp
}

# One line per run: run found inOrder drained expected rcvbufErrors drainUs rate bufferBytes
report_run() {
    python3 - "$@" <<'PY'
import json, re, sys
run, flood, out, err_path, errors = sys.argv[1:6]
result = json.loads(out)
macs = [c["mac"] for c in result["cameras"]]
first = ["02:77:10:00:00:%02X" % i for i in range(1, 31)]
drained = microseconds = 0
for line in open(err_path):
    m = re.search(r"drained (\d+) datagrams in (\d+) us", line)
    if m:
        drained += int(m.group(1))
        microseconds += int(m.group(2))
rate = drained / (microseconds / 1e6) if microseconds else 0
expected = int(flood) + 30
print(f"run {int(run):2d}: found {len(macs)} (cameras 1-30: {'yes' if macs == first else 'NO'}), "
      f"drained {drained}/{expected}, RcvbufErrors +{errors}, "
      f"drain {microseconds} us = {rate:,.0f} datagrams/s, "
      f"receive buffer {result.get('receiveBufferBytes', 0)} bytes")
PY
}

summarise() {
    python3 -c '
import re, sys
lines = sys.stdin.read().splitlines()
for line in lines:
    print("  " + line)
complete = sum(1 for l in lines if "cameras 1-30: yes" in l and re.search(r"drained (\d+)/\1,", l))
errors = sum(int(x) for x in re.findall(r"RcvbufErrors \+(\d+)", " ".join(lines)))
rates = sorted(float(x.replace(",", "")) for x in re.findall(r"= ([\d,]+) datagrams/s", " ".join(lines)))
median = rates[len(rates) // 2] if rates else 0
print(f"  runs with all 30 found and nothing lost: {complete}/{len(lines)}; "
      f"RcvbufErrors total {errors}; drain rate median {median:,.0f} datagrams/s "
      f"(min {rates[0] if rates else 0:,.0f}, max {rates[-1] if rates else 0:,.0f})")'
}

main() {
    if [ "${1:-}" = --in-bed ]; then
        measure_in_bed "$2" "$3"
        return
    fi
    local runs=${1:-20} build=${2:-$ROOT/build/debug}
    [[ $runs =~ ^[0-9]+$ ]] && [ "$runs" -ge 1 ] && [ "$runs" -le 100 ] ||
        { echo "measure-flood: RUNS takes a number from 1 to 100" >&2; exit 2; }
    build=$(cd "$build" && pwd)
    [ -x "$build/tests/e2e/discovery_driver" ] ||
        { echo "measure-flood: no discovery_driver in $build (build it first)" >&2; exit 2; }
    exec "$ROOT/scripts/testbed.sh" run --cameras 1 -- "$ROOT/scripts/measure-flood.sh" \
        --in-bed "$runs" "$build"
}

main "$@"
