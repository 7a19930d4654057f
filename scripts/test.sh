#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tolvane with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test:
# unit and widget tests, the end-to-end tests in the network test bed, and a bounded fuzz run.
# Before the end-to-end tests it builds the Debian package the way a packager does (the default
# generator, release, no tests), which one of them unpacks and runs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-includes.sh
bash scripts/check-spdx.sh

cmake --preset debug
cmake --build --preset debug -j"$(nproc)"

# Unit and widget tests in parallel; the end-to-end tests one at a time, because several of
# them measure protocol timing.
ctest --preset debug -LE e2e -j"$(nproc)" --timeout 300
bash scripts/package.sh
ctest --preset debug -L e2e --timeout 600

bash scripts/run-fuzz.sh "${TOLVANE_FUZZ_SECONDS:-60}"
