#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the layer order of src/ (docs/ARCHITECTURE.md): every quoted
# #include of a source file names a header of its own folder or of a folder
# listed for it below. A generated window layout (ui_Name.h) belongs to the
# folder that holds Name.ui. Prints each include out of order and fails.
# Usage: check-layers.sh [src folder]
set -eu
src=${1:-$(dirname "$0")/../../src}

# The folders a folder may include from, itself besides.
allowed() {
    case $1 in
    common) echo "" ;;
    platform) echo "common" ;;
    options | windows) echo "common platform" ;;
    app) echo "common platform options windows" ;;
    timers | clock | projects) echo "common platform options windows app" ;;
    *) return 1 ;;
    esac
}

layer_of() {
    case $1 in
    ui_*.h)
        form=${1#ui_}
        form=${form%.h}.ui
        found=$(find "$src" -mindepth 2 -maxdepth 2 -name "$form" | head -n 1)
        [ -n "$found" ] && basename "$(dirname "$found")"
        ;;
    */*) echo "${1%%/*}" ;;
    esac
}

problems=$(
    find "$src" -mindepth 2 -maxdepth 2 \( -name '*.h' -o -name '*.cpp' \) | sort |
        while read -r file; do
            folder=$(basename "$(dirname "$file")")
            # The process entry stands above every layer and joins them.
            [ "$folder/$(basename "$file")" = app/main.cpp ] && continue
            if ! lower=$(allowed "$folder"); then
                echo "$file: the folder $folder has no place in the layer order"
                continue
            fi
            sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" |
                while read -r header; do
                    layer=$(layer_of "$header") || true
                    [ -z "$layer" ] || [ "$layer" = "$folder" ] && continue
                    case " $lower " in
                    *" $layer "*) ;;
                    *) echo "$file: $folder may not include $header ($layer)" ;;
                    esac
                done
        done
)

if [ -n "$problems" ]; then
    echo "$problems"
    exit 1
fi
echo "layer order kept"
