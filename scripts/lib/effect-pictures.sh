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

  # The opening animation: a window of the probe's own, its screen read as
  # fast as xwd can for the animation's second and a half. The window shows
  # at once and Vornal.exe's overlay grows the box over it from its centre,
  # four topmost windows, one per bar of the frame, each bar from the
  # outside in a black line, the highlight colour and a white line, 6
  # pixels in all (the default thickness); nothing covers the box's middle,
  # so the window shows there. The four bars are updated one after another
  # and Wine puts what is drawn on the X display at moments of its own, so
  # a reading may hold bars of two frames, a bar at its new place still
  # black before its picture, the frame before left on the window below,
  # or the window half painted; the picture is a reading that holds one
  # whole frame of one box over the window and nothing else, the one whose
  # box is nearest to half the window's width. So few readings are caught
  # that one near half grown is rare: up to three windows are shown until
  # one is caught within an eighth of the window's width of half, and the
  # nearest of all is kept.
  local area=560x460+360+240 attempt caught off ww picture best="" nearest="" highlight
  # The colour the overlay draws between the lines, as Wine gives it to
  # GetSysColor.
  highlight=$(wine reg query 'HKCU\Control Panel\Colors' /v Hilight 2>/dev/null | tr -d '\r' |
    awk '$1 == "Hilight" { printf "rgb(%d,%d,%d)", $3, $4, $5 }')
  [ -n "$highlight" ] || { echo "the prefix has no highlight colour" >&2; return 1; }
  for attempt in 1 2 3; do
    caught=$(catch_opening_box "Opening window $attempt") || return 1
    [ -n "$caught" ] || continue
    read -r off ww picture <<<"$caught"
    if [ -z "$nearest" ] || [ "$off" -lt "$nearest" ]; then
      nearest=$off
      best=$picture
    fi
    [ $((4 * nearest)) -gt "$ww" ] || break
  done
  [ -n "$best" ] || { echo "no reading caught one whole box of the opening animation over its window" >&2; return 1; }
  cp "$best" "$out/effect-opening-animation.png"
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

# Shows a window of the probe's own and prints, of the reading of the
# screen that holds one whole frame of its opening animation over it and
# whose box is nearest to half the window's width, how far twice the box's
# width is from the window's, the window's width and the picture of $area
# (nothing when no reading holds one). Uses $work, $area and $highlight of
# effect_pictures.
catch_opening_box() {  # title
  local shown="$work/shown.txt" i frame box left top w h x y ww wh off best="" nearest=100000
  local thickness=6  # the default, which the demo's settings keep
  rm -f "$shown" "$work"/frame-*.xwd
  wine "$VORNAL_PROBE" show "$1" 440 320 400 300 >"$shown" 2>/dev/null &
  for _ in $(seq 300); do grep -q showing "$shown" 2>/dev/null && break; sleep 0.05; done
  grep -q showing "$shown" || { echo "the probe's window did not start" >&2; return 1; }
  # xwd now and then fails while a window changes; that reading is skipped.
  for i in $(seq -w 1 30); do xwd -root -silent >"$work/frame-$i.xwd" 2>/dev/null || true; done
  # The window as it stays once the box is gone: every pixel of a caught
  # reading outside the frame's bars is this.
  sleep 2
  xwd -root -silent | convert xwd:- -crop "$area" +repage "$work/window.png"
  read -r x y ww wh < <(probe window "$1" 5)
  for frame in "$work"/frame-*.xwd; do
    [ -s "$frame" ] || continue
    convert "xwd:$frame" -crop "$area" +repage "$work/frame.png" 2>/dev/null || continue
    # The box from its highlight band: the pixels of the highlight colour
    # where the window has another (its caption may have the same one).
    # The band's outside edge lies a pixel inside the black line.
    box=$(convert \( "$work/frame.png" -fill black +opaque "$highlight" -fill white -opaque "$highlight" \) \
      \( "$work/frame.png" "$work/window.png" -compose difference -composite -threshold 0 \) \
      -compose multiply -composite -format '%@' info: 2>/dev/null) || continue
    w=${box%%x*}; box=${box#*x}
    h=${box%%+*}; box=${box#*+}
    left=${box%%+*}; top=${box#*+}
    w=$((w + 2)); h=$((h + 2)); left=$((left - 1)); top=$((top - 1))
    [ "$w" -gt $((2 * thickness)) ] && [ "$h" -gt $((2 * thickness)) ] || continue
    # The four bars of that one box drawn over the window, the window left
    # in the middle. A bar of the frame before or after, a bar missing, a
    # second box or the window still painting makes the reading differ,
    # and it is left out.
    convert "$work/window.png" +antialias \
      -fill black -draw "rectangle $left,$top $((left + w - 1)),$((top + h - 1))" \
      -fill "$highlight" -draw "rectangle $((left + 1)),$((top + 1)) $((left + w - 2)),$((top + h - 2))" \
      -fill white -draw "rectangle $((left + thickness - 1)),$((top + thickness - 1)) $((left + w - thickness)),$((top + h - thickness))" \
      \( "$work/window.png" -crop "$((w - 2 * thickness))x$((h - 2 * thickness))+$((left + thickness))+$((top + thickness))" +repage \) \
      -geometry "+$((left + thickness))+$((top + thickness))" -composite "$work/expected.png"
    [ "$(compare -metric AE "$work/frame.png" "$work/expected.png" null: 2>&1)" = 0 ] || continue
    off=$((2 * w > ww ? 2 * w - ww : ww - 2 * w))
    if [ "$off" -lt "$nearest" ]; then
      nearest=$off
      best="$work/best-$RANDOM.png"
      cp "$work/frame.png" "$best"
    fi
  done
  [ -z "$best" ] || echo "$nearest $ww $best"
  probe close "$1" >/dev/null
  sleep 2
}
