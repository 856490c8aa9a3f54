# Helpers of the end-to-end run: screenshots of the game window and checks on
# regions given in the game's 640x480 coordinates (mapped into the 4:3
# picture inside the 960x640 window).

fail() { echo "e2e FAIL: $*" >&2; exit 1; }
pass() { echo "e2e ok: $*"; }

shot() { import -window "$E2E_WINDOW" "$E2E_SHOTS/$1.png" 2>/dev/null; }

# Game rectangle (l,t)-(r,b) to an ImageMagick crop of the window picture.
crop_of() {
  local l=$1 t=$2 r=$3 b=$4
  awk -v l="$l" -v t="$t" -v r="$r" -v b="$b" 'BEGIN {
    s = 640 / 480; s = (960 / 640 < s) ? 960 / 640 : 640 / 480;
    w = int(640 * s); h = int(480 * s); ox = int((960 - w) / 2); oy = int((640 - h) / 2);
    x0 = ox + int(l * s + 0.5); y0 = oy + int(t * s + 0.5);
    x1 = ox + int(r * s + 0.5); y1 = oy + int(b * s + 0.5);
    printf "%dx%d+%d+%d", x1 - x0, y1 - y0, x0, y0 }'
}

# Mean of red, green and blue (0..1) in a region of a screenshot.
rgb() { convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:; }
luma() { convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -colorspace Gray -format '%[fx:mean]' info:; }
region_signature() { convert "$E2E_SHOTS/$1.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage -format '%#' info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }' || fail "$3"; pass "$3"; }

# The description panel: pure blue in its left margin.
menu_panel_shown() {
  shot probe
  read -r r g b < <(rgb probe 22 420 29 460)
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !(r < 0.1 && g < 0.1 && b > 0.9) }'
}

# The title: no blue panel, not black, the two plates drawn (the logo screen
# is one flat colour there).
title_is_open() {
  shot probe
  read -r r g b < <(rgb probe 22 420 29 460)
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit (r < 0.1 && g < 0.1 && b > 0.9) }' || return 1
  local whole plates
  whole=$(luma probe 0 0 640 480)
  awk -v a="$whole" 'BEGIN { exit !(a > 0.05) }' || return 1
  plates=$(convert "$E2E_SHOTS/probe.png" -crop "$(crop_of 190 305 450 425)" +repage -format '%k' info:)
  [ "$plates" -gt 8 ]
}

# Farewell: black screen with white characters.
farewell_shown() {
  shot probe
  local whole chars
  whole=$(luma probe 0 0 640 480)
  chars=$(luma probe 150 190 490 290)
  awk -v a="$whole" -v c="$chars" 'BEGIN { exit !(a < 0.12 && c > 0.05) }'
}

# Polls a check for up to n seconds.
wait_until() {
  local limit=$1 check=$2 start=$SECONDS
  while [ $((SECONDS - start)) -lt "$limit" ]; do
    "$check" && return 0
    sleep 0.2
  done
  return 1
}

# Real key events through XTEST, to the focused game window.
press() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
}
