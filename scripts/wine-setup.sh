#!/usr/bin/env bash
# Prepares the Wine prefix and leaves a persistent wineserver running, so that each test starts quickly.
# All descriptors are redirected: a background Wine process must not hold the test runner's pipes open.
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
first=0
[ -f "$WINEPREFIX/system.reg" ] || first=1
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot -i </dev/null >/dev/null 2>&1
if [ $first = 1 ] || ! grep -q ShowCrashDialog "$WINEPREFIX/user.reg" 2>/dev/null; then
  # A crash must end the test, not wait for someone to close a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  # Xvfb has no window manager: unmanaged windows hide at once instead of waiting two seconds for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
fi
exit 0
