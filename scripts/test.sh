#!/usr/bin/env bash
# Runs the whole test suite. Widgets run on the offscreen platform; a PulseAudio
# daemon with a null sink is started when none runs, so the sound tests can
# record what the program played.
set -euo pipefail
build_dir=${1:-build}

started_pulse=0
if command -v pulseaudio >/dev/null 2>&1 && ! pactl info >/dev/null 2>&1; then
    if pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --load=module-null-sink --load=module-native-protocol-unix >/dev/null 2>&1; then
        started_pulse=1
        for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    else
        echo "PulseAudio could not be started; the sound tests will be skipped."
    fi
fi
cleanup() { [ "$started_pulse" -eq 1 ] && pulseaudio --kill >/dev/null 2>&1 || true; }
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure -j "$(nproc)"
