# Sourced by the Windows scripts: finds Qt 6.4.2 for Win64 (mingw-w64) and sets
# KLOKKEVEN_QT_WIN to it. Order: the unpacked copy in the user's cache; the
# prebuilt archive in ../shared/toolchains beside the clone, unpacked into the
# cache; with allow_source_build=1, a build of Debian's qt6-base source package
# with the same recipe (an hour or more on two cores), also into the cache.
# Returns 1, with the reason in KLOKKEVEN_QT_WIN_MISSING, when none of these serves.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
klokkeven_cache=${XDG_CACHE_HOME:-$HOME/.cache}/klokkeven
shared_toolchains=$(cd "$repo_root/.." && pwd)/shared/toolchains
qt_archive=$shared_toolchains/qt6.4.2-mingw64.tar.xz
KLOKKEVEN_QT_WIN=$klokkeven_cache/qt6.4.2-mingw64
KLOKKEVEN_MINGW_TOOLCHAIN=$repo_root/packaging/windows/mingw64.cmake

qt_win_ready() {
    [ -f "$KLOKKEVEN_QT_WIN/lib/cmake/Qt6/qt.toolchain.cmake" ] &&
        [ -f "$KLOKKEVEN_QT_WIN/plugins/platforms/qwindows.dll" ]
}

unpack_qt_win() {
    mkdir -p "$klokkeven_cache"
    local partial
    partial=$(mktemp -d "$klokkeven_cache/unpack.XXXXXX")
    echo "Unpacking $qt_archive into $klokkeven_cache"
    tar -C "$partial" -xf "$qt_archive" || { rm -rf "$partial"; return 1; }
    # Moved into place whole, so an interrupted unpack is never taken for a toolchain.
    rm -rf "$KLOKKEVEN_QT_WIN"
    mv "$partial/qt6.4.2-mingw64" "$KLOKKEVEN_QT_WIN"
    rm -rf "$partial"
}

# The recipe of ../shared/toolchains/README.md. Needs a deb-src entry for
# bookworm main; Qt's tools for the build machine come from qt6-base-dev.
build_qt_win_from_source() {
    local work=$klokkeven_cache/qt-source
    mkdir -p "$work"
    (
        set -e
        cd "$work"
        if [ ! -d qtbase-everywhere-src-6.4.2 ]; then
            apt-get source --download-only qt6-base || {
                echo "apt-get source failed: add a deb-src line for bookworm main" \
                    "to /etc/apt/sources.list.d and run apt-get update." >&2
                exit 1
            }
            tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
        fi
        # Without dynamic GL the Windows plug-in builds with OpenGL off.
        cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
            -DCMAKE_TOOLCHAIN_FILE="$KLOKKEVEN_MINGW_TOOLCHAIN" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DCMAKE_INSTALL_PREFIX="$work/qt6.4.2-mingw64" -DCMAKE_BUILD_TYPE=Release \
            -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
            -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
            -DFEATURE_tabletevent=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
            -DFEATURE_xml=OFF
        cmake --build build --parallel 2
        cmake --install build
    ) || return 1
    rm -rf "$KLOKKEVEN_QT_WIN"
    mv "$work/qt6.4.2-mingw64" "$KLOKKEVEN_QT_WIN"
}

find_qt_win() {
    local allow_source_build=${1:-0}
    KLOKKEVEN_QT_WIN_MISSING=
    qt_win_ready && return 0
    if [ -f "$qt_archive" ]; then
        unpack_qt_win && qt_win_ready && return 0
        KLOKKEVEN_QT_WIN_MISSING="$qt_archive could not be unpacked"
        return 1
    fi
    if [ "$allow_source_build" = 1 ]; then
        echo "No prebuilt Qt for Windows in $shared_toolchains: building it from Debian's source."
        build_qt_win_from_source && qt_win_ready && return 0
        KLOKKEVEN_QT_WIN_MISSING="building Qt for Windows from source failed"
        return 1
    fi
    KLOKKEVEN_QT_WIN_MISSING="no Qt for Windows in $KLOKKEVEN_QT_WIN or $qt_archive"
    return 1
}
