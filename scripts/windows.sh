#!/usr/bin/env bash
# Cross-builds Klokkeven for Win64 on Debian and packs it:
#   BUILD_DIR/bin/klokkeven.exe and the core test programs, each with the DLLs
#   they need beside them;
#   BUILD_DIR/Klokkeven-<version>-windows-x64.zip, the portable program;
#   BUILD_DIR/Klokkeven-<version>-setup.exe, the installer.
# Usage: scripts/windows.sh [BUILD_DIR]. Set KLOKKEVEN_NO_QT_SOURCE_BUILD=1 to
# fail rather than build Qt for Windows from source when no prebuilt one is found.
set -euo pipefail
build_dir=${1:-build-windows}
jobs=${JOBS:-2}
cd "$(dirname "$0")/.."
# shellcheck source=scripts/windows-toolchain.sh
. scripts/windows-toolchain.sh

if [ "${KLOKKEVEN_NO_QT_SOURCE_BUILD:-0}" = 1 ]; then allow_source=0; else allow_source=1; fi
if [ "$allow_source" = 1 ] && ! qt_win_ready && [ ! -f "$qt_archive" ]; then
    scripts/install-deps.sh windows-qt
fi
if ! find_qt_win "$allow_source"; then
    echo "windows: $KLOKKEVEN_QT_WIN_MISSING" >&2
    exit 1
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKLOKKEVEN_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$KLOKKEVEN_QT_WIN/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$KLOKKEVEN_MINGW_TOOLCHAIN" -DQT_HOST_PATH=/usr
cmake --build "$build_dir" -j "$jobs" --target klokkeven windows_tests

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
objdump=x86_64-w64-mingw32-objdump
# Where the DLLs a program names are looked for: Qt's, the compiler's runtime,
# and the mingw-w64 runtime. DLLs found nowhere here are Windows' own.
dll_dirs=("$KLOKKEVEN_QT_WIN/bin"
    "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
    /usr/x86_64-w64-mingw32/lib)

find_dll() {
    local dir
    for dir in "${dll_dirs[@]}"; do
        if [ -f "$dir/$1" ]; then
            echo "$dir/$1"
            return 0
        fi
    done
    return 1
}

# deploy DIR PLUGIN... : puts the plug-ins (paths below Qt's plugins folder)
# into DIR and every DLL that DIR's programs and plug-ins need, directly or not.
deploy() {
    local dir=$1
    shift
    local plugin
    for plugin in "$@"; do
        mkdir -p "$dir/$(dirname "$plugin")"
        cp "$KLOKKEVEN_QT_WIN/plugins/$plugin" "$dir/$plugin"
    done
    local -a queue
    mapfile -t queue < <(find "$dir" -name '*.exe' -o -name '*.dll')
    local file name found
    while [ ${#queue[@]} -gt 0 ]; do
        file=${queue[0]}
        queue=("${queue[@]:1}")
        for name in $("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
            [ -f "$dir/$name" ] && continue
            found=$(find_dll "$name") || continue
            cp "$found" "$dir/$name"
            queue+=("$dir/$name")
        done
    done
}

# The program: the Windows display plug-in and style; JPEG for pictures in RTF
# documents and GIF for the information pages (PNG is built into Qt).
stage_name=Klokkeven-$version
stage=$build_dir/stage/$stage_name
rm -rf "$build_dir/stage"
cmake --install "$build_dir" --prefix "$stage"
deploy "$stage/bin" platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    imageformats/qjpeg.dll imageformats/qgif.dll
# Without their symbols the program and its DLLs are a fraction of the size.
find "$stage/bin" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
# The tests run on the offscreen plug-in.
deploy "$build_dir/tests/bin" platforms/qoffscreen.dll platforms/qwindows.dll

zip=$build_dir/$stage_name-windows-x64.zip
rm -f "$zip"
(cd "$build_dir/stage" && cmake -E tar cf "../$(basename "$zip")" --format=zip "$stage_name")

# The installer installs the staged files and removes exactly those again.
packaging=$build_dir/packaging
mkdir -p "$packaging"
(
    cd "$stage"
    find . -mindepth 1 -type d | sort | while read -r d; do
        printf 'SetOutPath "$INSTDIR\\%s"\n' "${d#./}" | tr / '\\'
        find "$d" -maxdepth 1 -type f | sort | while read -r f; do
            printf 'File "%s"\n' "$PWD/${f#./}"
        done
    done
) >"$packaging/install-files.nsh"
(
    cd "$stage"
    find . -type f | sort | while read -r f; do
        printf 'Delete "$INSTDIR\\%s"\n' "${f#./}" | tr / '\\'
    done
    # Folders deepest first; RMDir without /r leaves a folder that still holds
    # something the user put there.
    find . -mindepth 1 -type d | sort -r | while read -r d; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${d#./}" | tr / '\\'
    done
) >"$packaging/uninstall-files.nsh"
setup=$build_dir/$stage_name-setup.exe
makensis -V2 -DVERSION="$version" -DOUTFILE="$PWD/$setup" \
    -DINSTALL_FILES="$PWD/$packaging/install-files.nsh" \
    -DUNINSTALL_FILES="$PWD/$packaging/uninstall-files.nsh" \
    packaging/windows/klokkeven.nsi
echo "Windows build: $stage/bin/klokkeven.exe"
echo "Portable zip:  $zip"
echo "Installer:     $setup"
