#!/usr/bin/env bash
# Starts the built program, or says how when there is no display to show it on.
set -euo pipefail
build_dir=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: run Klokkeven on a desktop, or without one as: xvfb-run -a $build_dir/bin/klokkeven" >&2
    exit 1
fi
exec "$build_dir/bin/klokkeven"
