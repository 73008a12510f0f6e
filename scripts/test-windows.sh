#!/usr/bin/env bash
# The Windows build under Wine, after the Linux suite: builds it (scripts/windows.sh),
# runs the core test programs, a smoke test of the real program on a private X
# server, and installs and uninstalls the installer, each in a fresh Wine prefix
# and bounded by timeouts. Where the toolchain cannot be had, says so and skips;
# where CI is set and ../shared/toolchains holds the Qt build, everything must pass.
set -euo pipefail
build_dir=${1:-build-windows}
cd "$(dirname "$0")/.."
# shellcheck source=scripts/windows-toolchain.sh
. scripts/windows-toolchain.sh
started=$(date +%s)

required=0
if [ -n "${CI:-}" ] && [ -f "$qt_archive" ]; then required=1; fi
skip() {
    if [ "$required" = 1 ]; then
        echo "Windows tests cannot run: $1" >&2
        exit 1
    fi
    echo "Windows tests skipped: $1"
    exit 0
}
scripts/install-deps.sh windows windows-test || skip "the cross compilers, NSIS or Wine cannot be installed"
find_qt_win 0 || skip "$KLOKKEVEN_QT_WIN_MISSING (make windows builds it from source)"

KLOKKEVEN_NO_QT_SOURCE_BUILD=1 scripts/windows.sh "$build_dir"
built=$(date +%s)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
program=$PWD/$build_dir/stage/Klokkeven-$version/bin/klokkeven.exe
setup=$PWD/$build_dir/Klokkeven-$version-setup.exe

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    WINEPREFIX=$work/prefix timeout 30 "$wineserver" -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Wine stays quiet, keeps to its own prefix and home, and asks for neither Mono
# nor Gecko; its menu builder would write desktop entries into the home.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$work/home
mkdir -p "$HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== $* ($(($(date +%s) - started)) s)"; }
wine_wait() { timeout "${1:-120}" "$wineserver" -w || fail "Wine did not settle within ${1:-120} s"; }

step "A fresh Wine prefix"
timeout 300 "$wine" wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot: $(cat "$work/wineboot.log")"
wine_wait 120
user=$(timeout 60 "$wine" cmd /c echo %USERNAME% | tr -d '\r')
[ -n "$user" ] || fail "Wine names no user"
urmappe=$WINEPREFIX/drive_c/Urmappe

step "Core tests under Wine (offscreen)"
failed=()
while read -r test; do
    [ -n "$test" ] || continue
    # Qt Test under Wine reports into a file: its console output may be lost.
    rm -f "$build_dir/tests/bin/$test.txt"
    if (cd "$build_dir/tests/bin" &&
        QT_QPA_PLATFORM=offscreen timeout 300 "$wine" "$test.exe" -o "$test.txt,txt") \
        >"$work/$test.log" 2>&1; then
        echo "  $test: $(grep -a '^Totals' "$build_dir/tests/bin/$test.txt" | tr -d '\r')"
    else
        cat "$work/$test.log" "$build_dir/tests/bin/$test.txt" 2>/dev/null || true
        failed+=("$test")
    fi
done <"$build_dir/tests/windows-tests.txt"
# The smoke test and the installer run all the same; the failures count at the end.
[ ${#failed[@]} -eq 0 ] || echo "FAIL: core tests under Wine: ${failed[*]}" >&2
wine_wait 60
[ ! -e "$urmappe" ] || fail "a core test wrote into C:\\Urmappe"

# Starts the program; its process id is in $klokkeven_pid.
start_program() {
    "$wine" "$program" >"$work/klokkeven-$1.log" 2>&1 &
    klokkeven_pid=$!
}
# The visible window whose name matches, waited for up to $2 seconds.
find_window() {
    local id
    for _ in $(seq $(($2 * 4))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$klokkeven_pid" 2>/dev/null || return 1
        sleep 0.25
    done
    return 1
}
# Ctrl+Q on the main window, then the program's exit code, which must be 0.
quit_program() {
    local window=$1
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.5
    xdotool key --clearmodifiers ctrl+q
    for _ in $(seq 240); do
        kill -0 "$klokkeven_pid" 2>/dev/null || break
        sleep 0.25
    done
    if kill -0 "$klokkeven_pid" 2>/dev/null; then
        kill "$klokkeven_pid"
        fail "the program did not end within 60 s of Ctrl+Q"
    fi
    local code=0
    wait "$klokkeven_pid" || code=$?
    [ "$code" -eq 0 ] || fail "the program ended with exit code $code: $(cat "$work/klokkeven-$2.log")"
}

step "Smoke test: the first start"
[ ! -e "$urmappe" ] || fail "C:\\Urmappe exists before the first start"
start_program first
main=$(find_window '^Ur$' 120) || fail "no clock window: $(cat "$work/klokkeven-first.log")"
for folder in "$user" "$user/Kalender" "$user/Alarmer" "$user/Alarmtekster" \
    "$user/Egenskaber" "$user/Egenskaber/GemHent" Alarmlydfiler Struktur; do
    [ -d "$urmappe/$folder" ] || fail "C:\\Urmappe\\$folder is missing"
done
for file in Velkommen.rtf Struktur/createShortcut.vbs Alarmlydfiler/DingDong.wav; do
    [ -f "$urmappe/$file" ] || fail "C:\\Urmappe\\$file is missing"
done
quit_program "$main" first
for file in egenskaber.txt design.txt alarmform.txt tekstform.txt information.txt urlboks.txt; do
    [ -f "$urmappe/$user/Egenskaber/$file" ] || fail "Ctrl+Q wrote no $file"
done

step "Smoke test: an alarm for the next minute"
next=$(date -d '+1 minute' '+%H %M')
read -r hour minute <<<"$next"
name=0000-00-00-$hour-$minute.txt
windows_dir="C:\\Urmappe\\$user"
# A daily alarm: year, month, day, hour, minute, type, sound, repetitions, heading,
# text file and description file; Windows-1252 with CR LF.
printf '%s\r\n' 0000 00 00 "$hour" "$minute" 0 1 1 Proevealarm \
    "$windows_dir\\Alarmtekster\\$name" "$windows_dir\\Alarmer\\$name" \
    >"$urmappe/$user/Alarmer/$name"
printf '{\\rtf1\\ansi Klokkeven ringer.\\par}\r\n' >"$urmappe/$user/Alarmtekster/$name"
start_program alarm
main=$(find_window '^Ur$' 120) || fail "no clock window: $(cat "$work/klokkeven-alarm.log")"
find_window 'Proevealarm' 150 >/dev/null ||
    fail "the alarm at $hour:$minute did not show: $(cat "$work/klokkeven-alarm.log")"
quit_program "$main" alarm

step "The installer"
[ -f "$setup" ] || fail "no installer $setup"
[ -f "$build_dir/Klokkeven-$version-windows-x64.zip" ] || fail "no portable zip"
timeout 300 "$wine" "$setup" /S || fail "the installer failed"
wine_wait 120
installed="$WINEPREFIX/drive_c/Program Files/Klokkeven"
menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Klokkeven.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Klokkeven'
for file in bin/klokkeven.exe bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll \
    bin/platforms/qwindows.dll bin/styles/qwindowsvistastyle.dll bin/libstdc++-6.dll \
    bin/libwinpthread-1.dll share/klokkeven/Velkommen.rtf \
    share/klokkeven/Struktur/createShortcut.vbs Afinstaller.exe; do
    [ -f "$installed/$file" ] || fail "the installer did not install $file"
done
[ -f "$menu_entry" ] || fail "no Start menu entry"
timeout 60 "$wine" reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
    fail "no uninstaller registered"

step "The uninstaller"
timeout 300 "$wine" "C:\\Program Files\\Klokkeven\\Afinstaller.exe" /S || fail "the uninstaller failed"
wine_wait 120
[ ! -e "$installed" ] || fail "left behind: $(cd "$installed" && find . | head)"
[ ! -e "$menu_entry" ] || fail "the Start menu entry is left"
if timeout 60 "$wine" reg query "$uninstall_key" >/dev/null 2>&1; then
    fail "the uninstaller is still registered"
fi
[ -f "$urmappe/$user/Alarmer/$name" ] || fail "the uninstaller touched C:\\Urmappe"

[ ${#failed[@]} -eq 0 ] || fail "core tests under Wine: ${failed[*]}"
finished=$(date +%s)
echo "Windows build: $((built - started)) s; Wine tests: $((finished - built)) s;" \
    "all Windows steps: $((finished - started)) s"
