#!/usr/bin/env bash
# Runs the whole test suite. Widgets run on the offscreen platform; a PulseAudio
# daemon with a null sink is started when none runs, so the sound tests can
# record what the program played, and a headless weston for the Wayland tests.
set -euo pipefail
build_dir=${1:-build}

started_pulse=0
if command -v pulseaudio >/dev/null 2>&1 && ! pactl info >/dev/null 2>&1; then
    # The daemon's own exit code is not to be trusted when run as root: ask
    # the server whether it answers instead.
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --load=module-null-sink --load=module-native-protocol-unix >/dev/null 2>&1 || true
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    if pactl info >/dev/null 2>&1; then
        started_pulse=1
    else
        echo "PulseAudio could not be started; the sound tests will be skipped."
    fi
fi
# A headless Wayland compositor of our own for the Wayland tests; without
# weston they are skipped and say so.
weston_pid=
if command -v weston >/dev/null 2>&1; then
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR
    fi
    wayland_socket=klokkeven-test-$$
    weston --backend=headless-backend.so --socket="$wayland_socket" --idle-time=0 \
        >"$XDG_RUNTIME_DIR/$wayland_socket.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$wayland_socket" ] && break; sleep 0.1; done
    if [ -S "$XDG_RUNTIME_DIR/$wayland_socket" ]; then
        export WAYLAND_DISPLAY=$wayland_socket
    else
        echo "weston did not start; the Wayland tests will be skipped."
    fi
else
    unset WAYLAND_DISPLAY
    echo "weston is not installed; the Wayland tests will be skipped."
fi

# Stopping the helpers must never change the suite's result.
cleanup() {
    if [ "$started_pulse" -eq 1 ]; then pulseaudio --kill >/dev/null 2>&1 || true; fi
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
status=0
ctest --output-on-failure -j "$(nproc)" || status=$?
exit "$status"
