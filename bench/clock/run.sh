#!/bin/bash
# Runs the clock benchmark and its baseline side by side under Xvfb and
# prints repaint times (framed and see-through, at display scales 1 and 2;
# translucent under a headless weston) and, over an idle period, CPU time,
# wake-ups and resident memory of each.
#   bench/clock/run.sh [build folder] [idle seconds]
set -eu

if [ "${1:-}" != "--inside" ]; then
    build=$(cd "${1:-$(dirname "$0")/../../build}" && pwd)
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$build" "${2:-60}"
fi
build=$2
seconds=$3
bin=$build/bench/bin
hz=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
switches() {
    cat /proc/"$1"/task/*/status |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { print n }'
}
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }

echo "== Repaint times: the clock window at 380 x 427"
for scale in 1 2; do
    QT_SCALE_FACTOR=$scale "$bin/bench_ur" --maal
done
# Translucent see-through needs a compositor: a headless weston of its own.
if command -v weston >/dev/null 2>&1; then
    runtime=$(mktemp -d)
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=bench-ur \
        --idle-time=0 >/dev/null 2>&1 &
    weston=$!
    for _ in $(seq 100); do [ -S "$runtime/bench-ur" ] && break; sleep 0.1; done
    for scale in 1 2; do
        XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=bench-ur QT_QPA_PLATFORM=wayland \
            QT_SCALE_FACTOR=$scale "$bin/bench_ur" --maal
    done
    kill "$weston"
    rm -rf "$runtime"
else
    echo "(weston is not installed: no figures for the translucent clock)"
fi

# The idle figures are the whole program's, on a data folder of its own.
home=$(mktemp -d)
HOME=$home "$build/bin/klokkeven" &
ur=$!
"$bin/bench_ur_basis" &
basis=$!
trap 'kill "$ur" "$basis" 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 5

cpu0_ur=$(cpu_ticks "$ur"); cpu0_basis=$(cpu_ticks "$basis")
sw0_ur=$(switches "$ur"); sw0_basis=$(switches "$basis")
sleep "$seconds"
cpu1_ur=$(cpu_ticks "$ur"); cpu1_basis=$(cpu_ticks "$basis")
sw1_ur=$(switches "$ur"); sw1_basis=$(switches "$basis")

echo
echo "== Idle ticking for $seconds s, side by side"
printf "%-22s %14s %16s %12s\n" "program" "CPU time (ms)" "wake-ups per s" "RSS (MB)"
row() {
    awk -v n="$1" -v c="$2" -v w="$3" -v r="$4" -v hz="$hz" -v s="$seconds" \
        'BEGIN { printf "%-22s %14.0f %16.2f %12.1f\n", n, c * 1000 / hz, w / s, r / 1024 }'
}
row "klokkeven" $((cpu1_ur - cpu0_ur)) $((sw1_ur - sw0_ur)) "$(rss_kb "$ur")"
row "baseline clock" $((cpu1_basis - cpu0_basis)) $((sw1_basis - sw0_basis)) "$(rss_kb "$basis")"
