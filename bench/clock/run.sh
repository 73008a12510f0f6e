#!/bin/bash
# Runs the clock program against a minimal Qt clock (the baseline) under
# Xvfb and prints, with the ratio of the two where the aim is one:
#   - repaint times of one tick (framed and see-through, display scales 1
#     and 2; translucent under a headless weston);
#   - start: CPU and wall time from fork to the mapped window, then resident
#     and private dirty memory and threads, program and baseline in turn;
#   - idle: CPU time and wake-ups per second side by side, with the analog
#     clock and with the digital field;
#   - asleep: the same with the program's window minimised (no tray here);
#   - an alarm: from the minute's boundary to the alarm window on screen.
# Figures from a machine busy with other work are noisy: read the ratios.
#   bench/clock/run.sh [build folder] [idle seconds] [start rounds]
set -eu

if [ "${1:-}" != "--inside" ]; then
    build=$(cd "${1:-$(dirname "$0")/../../build}" && pwd)
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$build" "${2:-30}" "${3:-7}"
fi
build=$2
seconds=$3
rounds=$4
bin=$build/bench/bin
program=$build/bin/klokkeven
basis=$bin/bench_ur_basis

# Run time in ns and context switches of every thread alive: "tid ns switches".
tasks() {
    local t
    for t in /proc/"$1"/task/*; do
        [ -r "$t/schedstat" ] || continue
        awk -v tid="${t##*/}" 'FNR == NR { ns = $1; next }
            /^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 }
            END { if (ns != "") print tid, ns, n + 0 }' "$t/schedstat" "$t/status" 2>/dev/null
    done
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# ratio <program> <baseline> <aim>: program / baseline and whether the aim holds.
ratio() {
    awk -v a="$1" -v b="$2" -v aim="$3" 'BEGIN {
        if (b <= 0) { print "     -"; exit }
        r = a / b; printf "%6.2fx  (aim <= %sx: %s)\n", r, aim, r <= aim ? "met" : "NOT met" }'
}

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

# The program runs on a data folder of its own; a first start completes the
# installation there, so the measured starts are the everyday ones.
home=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$home"
}
trap cleanup EXIT
HOME=$home "$bin/bench_ur_start" 500 "$program" >/dev/null

echo
echo "== Start, $rounds rounds, program and baseline in turn (medians)"
: >"$home/start.ur"
: >"$home/start.basis"
for _ in $(seq "$rounds"); do
    HOME=$home "$bin/bench_ur_start" 2000 "$program" >>"$home/start.ur"
    "$bin/bench_ur_start" 2000 "$basis" >>"$home/start.basis"
done
col() { awk -v c="$2" '{ print $c }' "$1" | median; }
printf "%-34s %12s %12s   %s\n" "" "klokkeven" "baseline" "ratio"
startrow() {
    local a b
    a=$(col "$home/start.ur" "$2")
    b=$(col "$home/start.basis" "$2")
    printf "%-34s %12s %12s   %s\n" "$1" "$a" "$b" "$(ratio "$a" "$b" "$3")"
}
startrow "CPU time to the mapped window (ms)" 1 1.5
startrow "wall time to the mapped window (ms)" 2 1.5
startrow "RSS after 2 s (KiB)" 3 1.5
startrow "private dirty after 2 s (KiB)" 4 2
startrow "threads" 5 1

# Idle figures: both run side by side over the same seconds.
# The main window by its title: the document viewer may open beside it.
window_of() { xdotool search --sync --onlyvisible --pid "$1" --name '^Ur$' 2>/dev/null | head -1; }
key() { xdotool windowfocus --sync "$1" key --clearmodifiers "$2"; }
# measure <label> <seconds> <pid>...: CPU ms and wake-ups per s of each.
# The figures of a thread vanish with it (Qt's pool threads end after 30 s
# idle), so the threads are read every second and each one's growth summed:
# one read at either end would count an ended thread's whole past as negative.
measure() {
    local label=$1 s=$2
    shift 2
    local i p t0 t1
    i=0
    for p in "$@"; do
        : >"$home/idle.sum.$i"
        tasks "$p" >"$home/idle.last.$i"
        i=$((i + 1))
    done
    t0=$(date +%s.%N)
    for _ in $(seq "$s"); do
        sleep 1
        i=0
        for p in "$@"; do
            kill -0 "$p" 2>/dev/null || { echo "process $p has ended: no figures" >&2; exit 1; }
            tasks "$p" >"$home/idle.now.$i"
            # A thread seen before adds its growth, a new one all it did.
            awk 'FNR == NR { ns[$1] = $2; sw[$1] = $3; next }
                { print $2 - ($1 in ns ? ns[$1] : 0), $3 - ($1 in sw ? sw[$1] : 0) }' \
                "$home/idle.last.$i" "$home/idle.now.$i" >>"$home/idle.sum.$i"
            mv "$home/idle.now.$i" "$home/idle.last.$i"
            i=$((i + 1))
        done
    done
    t1=$(date +%s.%N)
    i=0
    for p in "$@"; do
        awk -v s="$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')" \
            '{ c += $1; w += $2 } END { printf "%.1f %.2f\n", c / 1e6, w / s }' \
            "$home/idle.sum.$i" >"$home/idle.$i"
        i=$((i + 1))
    done
    echo "$label"
}

HOME=$home "$program" &
ur=$!
pids+=("$ur")
"$basis" &
basis_pid=$!
pids+=("$basis_pid")
ur_win=$(window_of "$ur")
sleep 5

idlerows() { # idlerows <cpu aim> <wake-up aim per s>
    local a b
    read -r ca wa <"$home/idle.0"
    read -r cb wb <"$home/idle.1"
    printf "%-34s %12s %12s   %s\n" "CPU time (ms)" "$ca" "$cb" "$(ratio "$ca" "$cb" "$1")"
    printf "%-34s %12s %12s   (aim <= %s per s: %s)\n" "wake-ups per s" "$wa" "$wb" "$2" \
        "$(awk -v w="$wa" -v a="$2" 'BEGIN { print w <= a ? "met" : "NOT met" }')"
}
echo
echo "== Idle for $seconds s side by side: analog clock"
measure "" "$seconds" "$ur" "$basis_pid" >/dev/null
printf "%-34s %12s %12s   %s\n" "" "klokkeven" "baseline" "ratio"
idlerows 0.5 1.5

echo
echo "== Idle for $seconds s side by side: digital field (Ctrl+U)"
key "$ur_win" ctrl+u
sleep 2
measure "" "$seconds" "$ur" "$basis_pid" >/dev/null
idlerows 0.5 1.5
key "$ur_win" ctrl+u

echo
echo "== Minimised for $seconds s (Ctrl+M; no tray under Xvfb), nothing due"
key "$ur_win" ctrl+m
sleep 2
measure "" "$seconds" "$ur" >/dev/null
read -r ca wa <"$home/idle.0"
awk -v c="$ca" -v w="$wa" 'BEGIN {
    printf "%-34s %12.1f\n%-34s %12.1f   (aim <= 1 per minute: %s)\n", "CPU time (ms)", c,
        "wake-ups per minute", w * 60, w * 60 <= 1 ? "met" : "NOT met" }'
kill "$ur" "$basis_pid"
wait "$ur" "$basis_pid" 2>/dev/null || true
pids=()

# A daily alarm at the next minute at least 20 s away, with a silent sound of
# one second as the only sound, in a data folder of its own.
wav_1s() { # 1 s of 16-bit mono silence at 44.1 kHz
    printf 'RIFF\x4c\x58\x01\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
    printf '\x44\xac\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00data\x28\x58\x01\x00'
    head -c 88104 /dev/zero
}
# The sound must reach a sound server, or the alarm's path is not the one a
# user meets: the running server, found before HOME changes, else one of
# our own with a null sink (as scripts/test.sh starts it).
if ! pactl info >/dev/null 2>&1 && command -v pulseaudio >/dev/null 2>&1; then
    pulseaudio --daemonize=no --exit-idle-time=-1 -n \
        --load=module-null-sink --load=module-native-protocol-unix >/dev/null 2>&1 &
    pids+=("$!")
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
server=$(pactl info 2>/dev/null | sed -n 's/^Server String: //p')
[ -n "$server" ] && export PULSE_SERVER="unix:$server"
echo
echo "== An alarm: from the minute's boundary to the alarm window on screen (sound of 1 s)"
[ -n "$server" ] || echo "(no sound server: the sound cannot start)"
ahome=$(mktemp -d)
data=$ahome/Urmappe
user=$(id -un)
mkdir -p "$data/Alarmlydfiler" "$data/$user/Alarmer" "$data/$user/Alarmtekster"
wav_1s >"$data/Alarmlydfiler/Bench.wav"
now=$(date +%s)
at=$(((now + 20 + 59) / 60 * 60))
hh=$(date -d "@$at" +%H)
mm=$(date -d "@$at" +%M)
stem=0000-00-00-$hh-$mm.txt
printf '{\\rtf1 Bench\\par}' >"$data/$user/Alarmtekster/$stem"
printf '%s\r\n' 0000 00 00 "$hh" "$mm" 0 1 1 Bench "$data/$user/Alarmtekster/$stem" \
    "$data/$user/Alarmer/$stem" >"$data/$user/Alarmer/$stem"
echo "(alarm at $hh:$mm, waiting $((at - now)) s)"
ms=$(HOME=$ahome "$bin/bench_ur_start" --efter "$((at * 1000))" 0 "$program" || echo "-")
rm -rf "$ahome"
awk -v ms="$ms" 'BEGIN {
    if (ms == "-") { print "no alarm window appeared"; exit }
    printf "%-34s %12.1f   (aim <= 300 ms: %s)\n", "boundary to alarm window (ms)", ms,
        ms <= 300 ? "met" : "NOT met" }'
