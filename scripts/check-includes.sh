#!/usr/bin/env bash
# Fails when a source file includes a folder above its own: includes point
# down only, from the program (app/) through the subsystems and the controls
# to the ground (ui/, base/) and the platform.
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}

# The folders each folder may include besides itself.
allowed() {
    case "$1" in
    platform) echo "" ;;
    base) echo "platform" ;;
    ui) echo "platform base" ;;
    clock | richtext | dialogs) echo "platform base ui" ;;
    alarms | appearance | calendar | info | launcher) echo "platform base ui clock richtext dialogs" ;;
    app) echo "platform base ui clock richtext dialogs alarms appearance calendar info launcher" ;;
    *) echo "?" ;;
    esac
}

faults=0
while IFS= read -r file; do
    rel=${file#"$src"/}
    folder=${rel%%/*}
    [ "$folder" = "$rel" ] && continue # main.cpp stands on top of everything
    ok=$(allowed "$folder")
    if [ "$ok" = "?" ]; then
        echo "$rel: the folder '$folder' has no place in the layers; add it to $0"
        faults=$((faults + 1))
        continue
    fi
    while IFS= read -r line; do
        target=$(sed -E 's/^[0-9]+:#include "([a-z]+)\/.*/\1/' <<<"$line")
        [ "$target" = "$folder" ] && continue
        if [[ " $ok " != *" $target "* ]]; then
            echo "$rel:${line%%:*}: $folder/ includes $target/, which stands above it or beside it"
            faults=$((faults + 1))
        fi
    done < <(grep -nE '^#include "[a-z]+/' "$file" || true)
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

if [ "$faults" -ne 0 ]; then
    echo "$faults include(s) against the layers"
    exit 1
fi
echo "includes point down only"
