# Sourced after wine-session.sh by scripts/run and scripts/screenshots:
# Wine's own desktop (explorer /desktop) on the session's display, with a
# taskbar, a Start button, a notification area, window frames and windows
# the mouse can move; and the probe that finds and places windows in it.

VORNAL_DESKTOP_NAME=Vornal
VORNAL_DESKTOP_SIZE=1280x1024

# Builds the probe (x86_64 tree).
wine_desktop_build_probe() {
  cmake --preset x86_64 >/dev/null
  cmake --build --preset x86_64 --target vornal_desktop_probe >/dev/null
  VORNAL_PROBE="$(pwd)/build/x86_64/bin/vornal_desktop_probe.exe"
}

probe() { wine "$VORNAL_PROBE" "$@" | tr -d '\r'; }

# Every program of the session opens in the desktop, and the desktop shows
# Wine's shell (its taskbar). Debian's Wine keeps Marlett, the font of the
# caption buttons, outside the prefix: without it the buttons read "0 1 r".
wine_desktop_start() {
  local explorer='HKCU\Software\Wine\Explorer'
  wine reg add "$explorer" /v Desktop /t REG_SZ /d "$VORNAL_DESKTOP_NAME" /f >/dev/null 2>&1
  wine reg add "$explorer\\Desktops" /v "$VORNAL_DESKTOP_NAME" /t REG_SZ /d "$VORNAL_DESKTOP_SIZE" /f >/dev/null 2>&1
  wine reg add "$explorer\\Desktops\\$VORNAL_DESKTOP_NAME" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [ -f "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
  wine explorer "/desktop=$VORNAL_DESKTOP_NAME,$VORNAL_DESKTOP_SIZE" >/dev/null 2>&1 &
  probe window class=Shell_TrayWnd 30 >/dev/null || { echo "Wine's desktop did not start" >&2; return 1; }
}

# Starts one of Wine's programs and places its window; fails when the
# window does not come.
#   wine_desktop_open PROGRAM MATCH X Y W H
wine_desktop_open() {
  local program="$1" match="$2"
  shift 2
  wine "$program" >/dev/null 2>&1 &
  probe window "$match" 30 >/dev/null || { echo "$program did not start" >&2; return 1; }
  probe place "$match" "$@" >/dev/null
}

# Starts Vornal.exe in the background and returns once it runs (its window
# stays hidden in the tray, so Wine's process list tells); VORNAL_PID is
# the Wine launcher, which ends with the program.
wine_start_vornal() {  # path of Vornal.exe
  wine "$1" >/dev/null 2>&1 &
  VORNAL_PID=$!
  for _ in $(seq 60); do
    wine winedbg --command "info proc" 2>/dev/null | grep -q "'Vornal.exe'" && return 0
    sleep 1
  done
  echo "Vornal.exe did not start" >&2
  return 1
}
