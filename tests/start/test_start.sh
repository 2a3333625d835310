#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program, started as a student starts it, in a window of a real
# X server: on a German desktop its start screen speaks German and looks as
# approved (tests/golden/start/ratestart-de.png; VELOMIRA_GOLDEN=update
# approves what it shows now), and its window carries the program's icon in
# every size the taskbar may ask for, read without loading SVG support.
set -euo pipefail
binary="$1"
approved="$(dirname "$0")/../golden/start/ratestart-de.png"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/grab.sh" <<'GRAB'
set -euo pipefail
LANGUAGE=de "$1" &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program" | head -1)
sleep 1 # the first paint, and the icon read after it
import -window "$window" "$2"
xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ' > "$3"
grep -c -i svg "/proc/$program/maps" >> "$3" || true
kill "$program"
GRAB
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/grab.sh" "$binary" "$work/shown.png" "$work/icon.txt"
icon='Icon (16 x 16) Icon (22 x 22) Icon (24 x 24) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) 0'
if [ "$(cat "$work/icon.txt")" != "$icon" ]; then
    echo "the window's icon, and the SVG libraries loaded: $(cat "$work/icon.txt"), not $icon" >&2
    exit 1
fi

if [ "${VELOMIRA_GOLDEN:-}" = update ]; then
    mkdir -p "$(dirname "$approved")"
    cp "$work/shown.png" "$approved"
fi
# Antialiasing may move a few pixels; a changed or missing word moves many.
differing=$(compare -metric AE -fuzz 20% "$approved" "$work/shown.png" "$work/diff.png" 2>&1 || true)
if ! [ "$differing" -le 6 ] 2>/dev/null; then
    cp "$work/shown.png" "${approved%.png}.actual.png"
    [ -f "$work/diff.png" ] && cp "$work/diff.png" "${approved%.png}.diff.png"
    echo "the German start screen differs from the approved image: $differing" >&2
    exit 1
fi
echo "start: 2 passed, 0 failed"
