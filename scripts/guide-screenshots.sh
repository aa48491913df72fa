#!/bin/sh
# Takes the user guide's pictures from the real editor on a virtual X display
# and writes them into docs/images/ (or FOLDER):
#
#     scripts/guide-screenshots.sh [FOLDER]
#
#   window.png      the sample script loaded (step list, hex view, panel)
#   step-menu.png   the step list's popup menu
#   hex-tooltip.png the hex view's tooltip over GOTO_ON_SUCCES
#   e6-dialog.png   the open dialog that "Create Selfscan Script from E6"
#                   shows for module E6
#   inspector.png   the window with the field inspector open (F2)
#   find-bar.png    the find bar with its matches highlighted, and the
#                   warning mark of a link made to point past the last step
#   recent-files.png the recent files on the Load button, one of them gone
#
# Needs xvfb, xdotool, pngquant and optipng (scripts/deps.sh installs them;
# pngquant reduces the colours where no difference shows, optipng packs the
# files tighter). Builds what it needs. The window opens at its first-start
# place and design size on a screen of that size, with fresh settings and
# data folders, in a scratch copy of the sample set, so the pictures do not
# depend on this machine's stored placement, recovery copies or folders, and
# the run leaves nothing behind. The points the mouse goes
# to are set below; move them if the window's layout changes.
set -eu
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:-docs/images}")
mkdir -p "$OUT"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pstedit pstool grab_screen pst_examples >/dev/null

CONFIG=$(mktemp -d)
SAMPLES=${TMPDIR:-/tmp}/pstedit-samples
rm -rf "$SAMPLES" && mkdir -p "$SAMPLES" && cp build/examples/* "$SAMPLES"/
trap 'rm -rf "$CONFIG" "$SAMPLES"' EXIT
export XDG_CONFIG_HOME="$CONFIG/config" XDG_DATA_HOME="$CONFIG/data" OUT PSTEDIT="$PWD/build/ui/pstedit" GRAB="$PWD/build/ui/grab_screen"
PSTEDIT_DIR="$PWD/build/ui"
cd "$SAMPLES"
xvfb-run -a -s "-screen 0 567x716x24" sh -eu -c '
  # A row of the step list, and the byte at 0x48 (GOTO_ON_SUCCES) in the
  # hex view, in screen pixels of the window at its design size.
  ROW_X=150 ROW_Y=95
  BYTE_X=240 BYTE_Y=525

  shot() { sleep "$2"; "$GRAB" "$OUT/$1"; }

  "$PSTEDIT" script-royl-28.rpm 2>/dev/null &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  sleep 3
  xdotool mousemove 560 10
  shot window.png 0.5

  xdotool mousemove $ROW_X $ROW_Y click 1 click 3
  shot step-menu.png 1
  xdotool key Escape

  xdotool mousemove $BYTE_X $BYTE_Y
  sleep 0.3
  xdotool mousemove $((BYTE_X + 2)) $BYTE_Y
  shot hex-tooltip.png 2

  # The second item of the menu: Create Selfscan Script from E6.
  xdotool mousemove $ROW_X $ROW_Y click 3
  sleep 1
  xdotool key Down Down Return
  sleep 2
  # The dialog is wider than the window: fit it to the screen.
  xdotool search --onlyvisible --name "^Open\$" windowsize 567 420 windowmove 0 150
  shot e6-dialog.png 1
'
# The inspector widens the window by its own width: a wider screen, and the
# inspector remembered as open so that the window starts with it.
mkdir -p "$XDG_CONFIG_HOME"
printf '[TfmScript]\nFieldInspector=1\nFieldInspectorWidth=540\n' > "$XDG_CONFIG_HOME/pstedit.conf"
xvfb-run -a -s "-screen 0 1107x716x24" sh -eu -c '
  "$PSTEDIT" script-royl-28.rpm 2>/dev/null &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  sleep 3
  xdotool mousemove 1100 10
  sleep 0.5
  "$GRAB" "$OUT/inspector.png"
'
# A link past the last step (step 6, GOTO_ON_ERR = 40) for the warning mark,
# and recent files as an earlier run would have left them, one gone since.
"$PSTEDIT_DIR/../cli/pstool" --load script-royl-28.rpm --select 6 --poke 4A=2800 --no-step \
  --save script-royl-28.rpm
printf '[RecentFiles]\nFiles=%s, %s, %s\n' "$SAMPLES/script-legacy32-28.rpm" \
  "$SAMPLES/archive/script-2025.rpm" "$SAMPLES/script-legacy28-28.rpm" > "$XDG_CONFIG_HOME/pstedit.conf"
xvfb-run -a -s "-screen 0 567x716x24" sh -eu -c '
  # The arrow on the Load button, in screen pixels.
  RECENT_X=449 RECENT_Y=690

  "$PSTEDIT" script-royl-28.rpm 2>/dev/null &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  sleep 3
  # A click on the second row gives the window the keyboard.
  xdotool mousemove 150 45 click 1
  xdotool key ctrl+f
  sleep 0.3
  xdotool type --delay 50 zone
  xdotool key Return Return
  xdotool mousemove 560 10
  sleep 0.5
  "$GRAB" "$OUT/find-bar.png"
  xdotool key Escape
  xdotool mousemove $RECENT_X $RECENT_Y click 1
  sleep 1
  "$GRAB" "$OUT/recent-files.png"
'
for f in window step-menu hex-tooltip e6-dialog inspector find-bar recent-files; do
  pngquant --quality=85-100 --speed 1 --strip --force --output "$OUT/$f.png" "$OUT/$f.png"
  optipng -quiet -o5 "$OUT/$f.png"
done
ls -l "$OUT"
