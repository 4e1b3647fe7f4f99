# Sourced with win32 or win64: sets WINEARCH, WINELOADER and WINESERVER for that Wine.
# Debian's `wine` wrapper picks the 32-bit loader whenever wine32 is installed, even where the
# kernel cannot execute it, so the loaders are named directly.
case "$1" in
win32) export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 ;;
win64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 ;;
*) echo "wine-arch.sh: win32 or win64, not '$1'" >&2; return 2 ;;
esac
