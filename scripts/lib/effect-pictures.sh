# Sourced by scripts/screenshots effects: each effect caught in one of
# Wine's own programs, in Wine's desktop, with the demo's settings and
# pictures. A program that does not start stops the script with an error.

effect_pictures() {  # $1: folder for the pictures
  local out="$1"
  mkdir -p "$out"
  cmake --preset x86_64 >/dev/null
  cmake --build --preset x86_64 --target Vornal VornalLib vornal_desktop_probe >/dev/null
  local bin
  bin="$(pwd)/build/x86_64/bin"

  . scripts/lib/wine-session.sh
  . scripts/lib/wine-desktop.sh
  . scripts/lib/demo.sh
  VORNAL_PROBE="$bin/vornal_desktop_probe.exe"
  wine_session_start virtual
  wine_desktop_start
  local pictures="$VORNAL_WINE_DIR/pictures" work="$VORNAL_WINE_DIR/shots"
  mkdir -p "$work"
  demo_pictures "$pictures"
  # The opening animation takes a second and a half, so that a picture
  # taken in its middle finds the box.
  demo_settings "$pictures" 1500
  wine_start_vornal "$bin/Vornal.exe"
  probe window class=Shell_TrayWnd 5 >/dev/null
  sleep 2  # the first Apply has published the pictures

  screen() { xwd -root -silent | convert xwd:- "png:$1"; }
  # The picture of a window: its rectangle (from the probe) out of the screen.
  window_picture() {  # match, picture
    local x y w h
    read -r x y w h < <(probe window "$1" 5)
    sleep 0.5
    screen "$work/screen.png"
    convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "png:$2"
    echo "$2"
  }
  close_window() {  # match
    probe close "$1"
    sleep 2  # the closing animation
  }

  # Tree view and list view: the Registry Editor.
  wine_desktop_open regedit "Registry Editor" 40 40 640 420
  sleep 2.5  # the opening animation
  window_picture "Registry Editor" "$out/effect-treeview-listview-wallpaper.png"
  close_window "Registry Editor"

  # The MDI client: Wine's file manager with its folder window restored.
  wine_desktop_open winefile "Wine File" 40 40 720 460
  sleep 2.5
  probe mdi "Wine File" 400 260
  sleep 1
  window_picture "Wine File" "$out/effect-mdi-wallpaper.png"
  close_window "Wine File"

  # A dialog's pages: Wine's configuration, a property sheet.
  wine winecfg >/dev/null 2>&1 &
  probe window "Wine configuration" 30 >/dev/null || { echo "winecfg did not start" >&2; return 1; }
  probe place "Wine configuration" 40 40 >/dev/null
  sleep 2.5
  window_picture "Wine configuration" "$out/effect-dialog-wallpaper.png"
  close_window "Wine configuration"

  # The opening animation: a window of the probe's own, shown over the
  # empty desktop, its screen read as fast as xwd can for the animation's
  # second and a half. Wine puts what is drawn on the screen on the X
  # display at moments of its own, so many readings hold a box half drawn
  # over the one before; the picture is a reading that holds one whole box
  # (the changed pixels are the four bars of the default thickness of 6
  # around the changed area, within a tenth), the one nearest to half
  # grown. Up to three windows are shown until one is caught.
  local area=560x460+360+240 attempt best=""
  screen "$work/empty.png"
  convert "$work/empty.png" -crop "$area" +repage "$work/empty-area.png"
  for attempt in 1 2 3; do
    best=$(catch_opening_box "Opening window $attempt") || return 1
    [ -n "$best" ] && break
  done
  [ -n "$best" ] || { echo "no reading caught a whole box of the opening animation" >&2; return 1; }
  convert "xwd:$best" -crop "$area" +repage "png:$out/effect-opening-animation.png"
  echo "$out/effect-opening-animation.png"

  # Transparent dragging: Notepad dragged by its caption over the Registry
  # Editor with the real mouse, which runs Wine's own move loop.
  wine_desktop_open regedit "Registry Editor" 20 20 700 560
  wine_desktop_open notepad "Notepad" 800 60 440 320
  sleep 2.5
  # Where Notepad will be dragged to, before it gets there.
  screen "$work/before.png"
  xdotool mousemove 1000 71 mousedown 1
  local i
  for i in $(seq 1 20); do
    xdotool mousemove $((1000 - i * 30)) $((71 + i * 10))
    sleep 0.05
  done
  sleep 1
  screen "$work/during.png"
  local x y w h alpha
  read -r x y w h < <(probe window Notepad 5)
  alpha=$(probe alpha Notepad)
  xdotool mouseup 1
  [ "$alpha" -lt 255 ] || { echo "Notepad was not transparent while it was dragged" >&2; return 1; }
  # Wine's desktop draws every window opaque, whatever its layered alpha
  # (on Windows the system blends it): the window is blended here over
  # what lay beneath it, at the alpha the window had while it moved.
  convert "$work/during.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/window.png"
  convert "$work/before.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/beneath.png"
  composite -blend "$((alpha * 100 / 255))" "$work/window.png" "$work/beneath.png" "$work/blended.png"
  convert "$work/during.png" "$work/blended.png" -geometry "+${x}+${y}" -composite \
    -crop 1260x620+0+0 +repage "png:$out/effect-transparent-dragging.png"
  echo "$out/effect-transparent-dragging.png (alpha $alpha of 255)"
}

# Shows a window of the probe's own (400 wide) and prints the reading of
# the screen whose whole box of its opening animation is nearest to half
# grown, 240 wide (nothing when no reading holds a whole box). Uses $work, $area and empty-area.png of effect_pictures.
catch_opening_box() {  # title
  local shown="$work/shown.txt" i frame changed geometry w h expected off best="" nearest=100000
  rm -f "$shown" "$work"/frame-*.xwd
  wine "$VORNAL_PROBE" show "$1" 440 320 400 300 >"$shown" 2>/dev/null &
  for _ in $(seq 300); do grep -q showing "$shown" 2>/dev/null && break; sleep 0.05; done
  grep -q showing "$shown" || { echo "the probe's window did not start" >&2; return 1; }
  for i in $(seq -w 1 30); do xwd -root -silent >"$work/frame-$i.xwd"; done
  for frame in "$work"/frame-*.xwd; do
    convert "xwd:$frame" -crop "$area" +repage "$work/frame.png"
    changed=$(compare -metric AE "$work/frame.png" "$work/empty-area.png" null: 2>&1 || true)
    changed=${changed%% *}
    changed=${changed%.*}
    [ "$changed" -gt 0 ] && [ "$changed" -lt 30000 ] || continue
    geometry=$(convert "$work/frame.png" "$work/empty-area.png" -compose difference -composite \
      -threshold 0 -format '%@' info:)
    w=${geometry%%x*}
    h=${geometry#*x}
    h=${h%%+*}
    expected=$((12 * (w + h) - 144))
    off=$((w > 240 ? w - 240 : 240 - w))
    if [ $((changed * 10)) -ge $((expected * 9)) ] && [ $((changed * 10)) -le $((expected * 11)) ] &&
       [ "$off" -lt "$nearest" ]; then
      nearest=$off
      best=$frame
    fi
  done
  [ -z "$best" ] || { cp "$best" "$work/best-$RANDOM.xwd"; ls -t "$work"/best-*.xwd | head -n1; }
  probe close "$1" >/dev/null
  sleep 2
}
