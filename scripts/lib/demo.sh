# Sourced by scripts/run --demo and scripts/screenshots effects: the sample
# pictures and the settings that switch every effect on, in the session's
# own prefix (a user's settings anywhere else stay as they are).

# Three small tiles with lines along their right and bottom edges and a
# diagonal, so that every seam between two tiles shows.
demo_pictures() {  # $1: folder
  mkdir -p "$1"
  local name fill line
  for entry in "window #f4ecd9 #c8ab74" "mdi #dce6f4 #7d99c4" "tv #e3f2df #86b27c"; do
    read -r name fill line <<<"$entry"
    convert -size 48x48 "xc:$fill" -stroke "$line" -fill none \
      -draw 'line 0,47 47,47' -draw 'line 47,0 47,47' -draw 'line 0,0 47,47' \
      "BMP3:$1/$name.bmp"
  done
}

# Every effect on, each where it shows best under Wine: shadows and
# dragging for all windows (not dialogs only), dragging for windows up to
# 2048x1536 at half opacity, and animations long enough to watch.
#   demo_settings PICTURE_FOLDER [OPENING_MS]
demo_settings() {
  local key='HKCU\Software\Vornal' dir="$1" opening="${2:-400}"
  local add="wine reg add $key /f"
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  $add /v ProgramVer /t REG_SZ /d V1.43 >/dev/null
  local flag
  for flag in 1 2 3 4 5 7 8 9 10 11 12 13 14 15 16 17; do
    $add /v "CheckBoxChecked$flag" /t REG_DWORD /d 1 >/dev/null
  done
  $add /v RadioChecked1 /t REG_DWORD /d 0 >/dev/null   # shadows on every window
  $add /v RadioChecked2 /t REG_DWORD /d 0 >/dev/null   # dragging of every window
  $add /v RadioChecked3 /t REG_DWORD /d 1 >/dev/null   # the patch runs
  $add /v SpinValue2 /t REG_DWORD /d "$opening" >/dev/null
  $add /v SpinValue3 /t REG_DWORD /d 400 >/dev/null
  $add /v SpinValue11 /t REG_DWORD /d 2048 >/dev/null
  $add /v SpinValue12 /t REG_DWORD /d 1536 >/dev/null
  $add /v SpinValue13 /t REG_DWORD /d 128 >/dev/null
  $add /v WindowWallpaper /t REG_SZ /d "$(winepath -w "$dir/window.bmp")" >/dev/null
  $add /v MDIWallpaper /t REG_SZ /d "$(winepath -w "$dir/mdi.bmp")" >/dev/null
  $add /v TVWallpaper /t REG_SZ /d "$(winepath -w "$dir/tv.bmp")" >/dev/null
}
