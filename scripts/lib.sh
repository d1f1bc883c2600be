# Shared by the project's scripts: packages, build folders and the Wine set-up.
# shellcheck shell=bash
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
WIN32_BUILD="$BUILD/win32"
HOST_BUILD="$BUILD/host"
SAN_BUILD="$BUILD/host-sanitize"
EXE="$WIN32_BUILD/corvane-checklist.exe"

export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

PACKAGES=(cmake make g++ googletest libpng-dev
          g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          wine wine32:i386 fonts-wine xvfb xauth imagemagick)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

ensure_packages() {
    local missing=() p
    mkdir -p "$BUILD"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
        missing+=(force-update)
    fi
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]/force-update/}" >&2
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
    local to_install=("${missing[@]/force-update/}")
    # shellcheck disable=SC2068
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${to_install[@]} \
        >"$BUILD/apt.log" 2>&1 || { cat "$BUILD/apt.log" >&2; return 1; }
}

cpu_count() { nproc 2>/dev/null || echo 2; }

# Runs a command silently; shows its output only when it fails.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || status=$?
    [ $status -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return $status
}

configure_and_build() {
    quietly cmake -S "$ROOT" -B "$WIN32_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686-posix.cmake"
    quietly cmake --build "$WIN32_BUILD" -j"$(cpu_count)"
    quietly cmake -S "$ROOT" -B "$HOST_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    quietly cmake --build "$HOST_BUILD" -j"$(cpu_count)"
}

# A Wine prefix inside build/, made once, with a virtual desktop so that Wine
# itself draws title bars and decides activation the same way on every machine.
# The marker is written last, so a prefix left half-made is built again.
ensure_wineprefix() {
    local ready="$WINEPREFIX/.corvane-ready-4"
    [ -f "$ready" ] && return 0
    # A server left from a failed attempt would keep serving the removed prefix.
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX" &&
    quietly wineboot -i &&
    quietly wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f &&
    quietly wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f &&
    # Debian's Wine does not pick up its own fonts unless they sit here:
    # TrueType (Tahoma for the dialog font, Marlett for the title-bar buttons)
    # and the bitmap faces (MS Sans Serif, the windows' font). A bitmap face
    # loads only when the registry names it; Wine names the western one, and
    # the Turkish one carries the letters of both languages.
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" &&
    quietly wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v 'MS Sans Serif Turkish' /d sserifet.fon /f &&
    wineserver -w &&
    touch "$ready"
}

# Runs a command, a program or a function of this file, on a virtual X display
# with the Wine prefix ready, then stops the prefix's wine server. Returns the
# command's status. xvfb-run starts a new shell, which sources this file again.
on_virtual_display() {
    # shellcheck disable=SC2016 # the inner shell expands them
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        . "$1"; shift
        ensure_wineprefix && "$@"
        status=$?
        wineserver -k 2>/dev/null
        exit $status' _ "$ROOT/scripts/lib.sh" "$@"
}

# Saves pictures of the program's windows as BMP files in the folder $2, at
# the DPI $1; the rest of the arguments go to tools/screens.exe. Needs the
# Wine prefix ready, and leaves it at 96 DPI. Wine reads the DPI when its
# server starts.
save_screens() {
    local status=0
    set_dpi "$1" && wine "$WIN32_BUILD/tools/screens.exe" "$(winepath -w "$2")" "${@:3}" || status=$?
    [ "$1" = 96 ] || set_dpi 96
    return $status
}

set_dpi() {
    quietly wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f && wineserver -k && wineserver -w
}
