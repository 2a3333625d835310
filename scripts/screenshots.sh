#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's screenshots from the real program, grabbed offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build}"
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target velomira-screenshots -j "$(nproc 2>/dev/null || echo 2)"
LANGUAGE=en QT_QPA_PLATFORM=offscreen "$build/tools/velomira-screenshots" docs/screenshots
# The README's gallery: the Method of Initial Rates during tutoring, in each
# language the program speaks.
for language in de es fr pt_BR zh_CN; do
    LANGUAGE=$language QT_QPA_PLATFORM=offscreen "$build/tools/velomira-screenshots" "docs/screenshots/$language"
    find "docs/screenshots/$language" -name '*.png' ! -name ratetutor-tutoring.png -delete
done
