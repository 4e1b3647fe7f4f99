#!/usr/bin/env bash
# Runs a Windows executable under the Wine of its architecture (win32 or win64, the first
# argument) in the test prefix on the test display; ctest uses it as emulator. WINEPREFIX and
# DISPLAY come from scripts/test (scripts/common.sh makes them).
arch=$1
shift
. "$(dirname "$0")/wine-arch.sh" "$arch" || exit 2
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec "$WINELOADER" "$@"
