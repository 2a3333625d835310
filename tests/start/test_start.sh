#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program, started as a student starts it, in a window of a real
# X server: on a German desktop its start screen speaks German and looks as
# approved (tests/golden/start/ratestart-de.png; VELOMIRA_GOLDEN=update
# approves what it shows now).
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
kill "$program"
GRAB
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/grab.sh" "$binary" "$work/shown.png"

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
echo "start: 1 passed, 0 failed"
