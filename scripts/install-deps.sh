#!/usr/bin/env bash
# Installs the Debian packages that the named needs (build, run, test, windows,
# windows-qt, windows-test) call for,
# and only those that are missing.
set -euo pipefail

build_pkgs=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libxcb1-dev libpulse-dev)
run_pkgs=(qt6-qpa-plugins qt6-translations-l10n qt6-wayland gstreamer1.0-plugins-good gstreamer1.0-pulseaudio fonts-liberation fonts-dejavu-core)
test_pkgs=(dbus pulseaudio pulseaudio-utils xvfb xauth faketime weston desktop-file-utils appstream-util appstream lintian dpkg-dev)
# The Windows build: the posix-thread mingw-w64 compilers (Qt needs them), the
# host's Qt tools (moc, rcc, uic) and NSIS for the installer.
windows_pkgs=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools nsis
    qt6-base-dev qt6-base-dev-tools xz-utils)
# Building Qt for Windows from Debian's source package, where no prebuilt one is at hand.
windows_qt_pkgs=(dpkg-dev)
# Running the Windows build: Wine on a private X server, driven by xdotool.
windows_test_pkgs=(wine64 xvfb xauth xdotool)

wanted=()
for need in "$@"; do
    case "$need" in
    build) wanted+=("${build_pkgs[@]}") ;;
    run) wanted+=("${run_pkgs[@]}") ;;
    test) wanted+=("${test_pkgs[@]}") ;;
    windows) wanted+=("${windows_pkgs[@]}") ;;
    windows-qt) wanted+=("${windows_qt_pkgs[@]}") ;;
    windows-test) wanted+=("${windows_test_pkgs[@]}") ;;
    *) echo "install-deps: unknown need '$need'" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "Cannot install packages without root. Please run:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
