#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the reply fuzzer with the fuzz preset and runs it for a bounded time.
# Usage: scripts/run-fuzz.sh [seconds (default 60)] [build dir (default build/fuzz)]
# Exits non-zero when the fuzzer finds a crash, a leak or undefined behaviour.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${2:-$root/build/fuzz}"

if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "run-fuzz.sh: the time must be a whole number of seconds, got '$seconds'" >&2
    exit 2
fi

cmake --preset fuzz -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target tolvane_fuzz_replies -j2

# New inputs go to a working corpus in the build dir; the committed seeds stay untouched.
work="$build/fuzz-corpus/replies"
artifacts="$build/fuzz-artifacts/"
mkdir -p "$work" "$artifacts"

"$build/fuzz/tolvane_fuzz_replies" "$work" "$root/fuzz/corpus/replies" \
    -max_total_time="$seconds" -max_len=1600 -timeout=10 -rss_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$artifacts"
