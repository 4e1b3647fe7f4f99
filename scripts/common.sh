# Shared by scripts/test, scripts/run and scripts/bench: installs what is missing and
# starts the test display and Wine prefix. Source it; it defines functions only.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT=${BUILD_ROOT:-$ROOT/build}

need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    if printf '%s\n' "${missing[@]}" | grep -q ':i386'; then
        dpkg --print-foreign-architectures | grep -q i386 || $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install_build_deps() {
    need_packages cmake make g++ googletest libbenchmark-dev \
        g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 \
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
}

# wine32 installs everywhere but runs only where the kernel executes 32-bit programs.
install_wine_deps() {
    need_packages wine wine64 wine32:i386 xvfb xauth fonts-wine imagemagick x11-utils
}

# True when this machine executes 32-bit programs: tried, not read off the package list.
can_run_win32() {
    /usr/lib/wine/wineserver32 --version >/dev/null 2>&1
}

# The architecture to run a program in here: win32, the product, where it can run.
runnable_arch() {
    if can_run_win32; then echo win32; else echo win64; fi
}

# The Windows configurations: win32 (the product) in build/windows, win64 in build/windows64.
windows_build_dir() {
    case "$1" in
    win32) echo "$BUILD_ROOT/windows" ;;
    win64) echo "$BUILD_ROOT/windows64" ;;
    esac
}

# The portable code for 32-bit x86 Linux, run under qemu where 32-bit programs cannot run.
install_native32_deps() {
    need_packages g++-i686-linux-gnu qemu-user-static
}

install_fuzz_deps() {
    need_packages clang libclang-rt-14-dev
}

# The configurations are the CMake presets (CMakePresets.json), built under $BUILD_ROOT.
configure_preset() {
    (cd "$ROOT" && cmake --preset "$1" -B "$2" >/dev/null)
}

configure_native() {
    configure_preset native "$BUILD_ROOT/native"
}

# configure_windows [win32|win64]; win32 when not named.
configure_windows() {
    local arch=${1:-win32} preset=windows
    [ "$arch" = win64 ] && preset=windows64
    configure_preset $preset "$(windows_build_dir "$arch")"
}

build_dir() {
    cmake --build "$1" -j"$(nproc)" -- --no-print-directory -s
}

# Starts an Xvfb display of 1024x768x24 on a free number; sets DISPLAY and XVFB_PID.
start_display() {
    local n
    for n in $(seq 90 140); do
        [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e /tmp/.X11-unix/X$n ] && break
            kill -0 $XVFB_PID 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 $XVFB_PID 2>/dev/null; then
            export DISPLAY=:$n
            return 0
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}

# make_prefix DIR [win32|win64]: a fresh Wine prefix of that architecture (win32 when not
# named) with a 1024x768 virtual desktop; sets WINEPREFIX, WINEARCH, WINELOADER, WINESERVER.
make_prefix() {
    . "$ROOT/cmake/wine-arch.sh" "${2:-win32}"
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINELOADER" wineboot -i >/dev/null 2>&1
    cat >"$WINEPREFIX/desktop.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
    "$WINELOADER" regedit "$WINEPREFIX/desktop.reg" >/dev/null 2>&1
    # This Wine does not find the fonts of its own data folder (the caption-button symbols,
    # MS Sans Serif of the dialog templates); copied into the prefix, the windows look as on
    # Windows.
    local f
    for f in /usr/share/wine/fonts/*; do
        [ -f "$f" ] && cp "$f" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    "$WINESERVER" -w
}

# Runs from an EXIT trap under set -e: nothing in it may fail the script.
stop_wine() {
    if [ -n "${WINEPREFIX:-}" ]; then "${WINESERVER:-wineserver}" -k 2>/dev/null || true; fi
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    return 0
}
