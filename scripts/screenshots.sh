#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's screenshots from the real program, grabbed offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build}"
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target velomira-screenshots -j "$(nproc 2>/dev/null || echo 2)"
LANGUAGE=en QT_QPA_PLATFORM=offscreen "$build/tools/velomira-screenshots" docs/screenshots
# The German Method of Initial Rates screen for the README.
LANGUAGE=de QT_QPA_PLATFORM=offscreen "$build/tools/velomira-screenshots" docs/screenshots/de
find docs/screenshots/de -name '*.png' ! -name ratetutor.png -delete
