#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder of src/ includes a folder that sits above it. The folders are listed from
# the bottom up; each may include its own headers and those of the folders before it.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(camera protocol hostnet text flow rules batch ui app)

rank_of() {
    local i
    for i in "${!layers[@]}"; do
        if [[ ${layers[$i]} == "$1" ]]; then
            echo "$i"
            return
        fi
    done
    echo -1
}

status=0
for folder in "${layers[@]}"; do
    own=$(rank_of "$folder")
    while IFS=: read -r file line target; do
        used=${target%%/*}
        rank=$(rank_of "$used")
        if ((rank > own)); then
            echo "$file:$line: $folder must not include $target ($used sits above it)" >&2
            status=1
        fi
    done < <(grep -rnoE '^#include "[a-z_]+/[^"]+"' "src/$folder" |
        sed -E 's/^([^:]+):([0-9]+):#include "([^"]+)"$/\1:\2:\3/')
done

unknown=$(find src -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
for folder in $unknown; do
    if (($(rank_of "$folder") < 0)); then
        echo "src/$folder is not in the layer list of $0" >&2
        status=1
    fi
done

if ((status == 0)); then
    echo "Includes run downward only: ${layers[*]}"
fi
exit "$status"
