#!/usr/bin/env bash
# Runs a Windows executable in the test prefix on the test display; ctest uses it as emulator.
# WINEPREFIX and DISPLAY come from scripts/test (or scripts/winenv).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
