# Sourced by scripts/test and scripts/run: one Wine session with a fresh
# prefix, a persistent wineserver (so that each program start is cheap) and
# a virtual X display when asked for one or when none is set.

wine_session_start() {
  # $1: "virtual" to always use a private Xvfb display, "auto" to use $DISPLAY
  # when it is set.
  local mode="${1:-virtual}"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  VORNAL_WINE_DIR=$(mktemp -d /tmp/vornal-wine.XXXXXX)
  export WINEPREFIX="$VORNAL_WINE_DIR/prefix"
  VORNAL_XVFB_PID=""
  if [ "$mode" = virtual ] || [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display number itself and writes it to fd 5.
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp \
      5>"$VORNAL_WINE_DIR/display" >"$VORNAL_WINE_DIR/xvfb.log" 2>&1 &
    VORNAL_XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$VORNAL_WINE_DIR/display" ] && break; sleep 0.1; done
    [ -s "$VORNAL_WINE_DIR/display" ] || { cat "$VORNAL_WINE_DIR/xvfb.log"; return 1; }
    export DISPLAY=":$(head -n1 "$VORNAL_WINE_DIR/display")"
  fi
  trap wine_session_stop EXIT
  trap "exit 130" INT TERM
  # The server stays up for the whole session instead of ending with the
  # last Wine process; every program start then takes a fraction of a second.
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wineboot -i >"$VORNAL_WINE_DIR/wineboot.log" 2>&1 || { cat "$VORNAL_WINE_DIR/wineboot.log"; return 1; }
}

wine_session_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  # What the script started in the background and is still running (Wine
  # launchers, a compositor) goes with the session.
  local left
  left=$(jobs -p)
  [ -n "$left" ] && kill $left 2>/dev/null || true
  if [ -n "${VORNAL_XVFB_PID:-}" ]; then
    kill "$VORNAL_XVFB_PID" 2>/dev/null || true
    wait "$VORNAL_XVFB_PID" 2>/dev/null || true
  fi
  [ -n "${VORNAL_WINE_DIR:-}" ] && rm -rf "$VORNAL_WINE_DIR"
  VORNAL_WINE_DIR=""
}
