#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source, script or CMake file of the tree lacks its licence line. The line is the
# first of the file, or the second after a "#!" line.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly LINE='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
while IFS= read -r -d '' file; do
    if ! head -n 2 "$file" | grep -qF "$LINE"; then
        echo "check-spdx: $file lacks \"$LINE\"" >&2
        missing=1
    fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' \
    .ci/run packaging/debian/postinst)
exit "$missing"
