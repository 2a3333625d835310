#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix and checks that the desktop
# entry, the icon and the AppStream metainfo land where desktops look for
# them, and that Debian's validators accept the two files.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.velomira.Velomira
test -x "$prefix/bin/velomira"
test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '^Exec=velomira$' "$prefix/share/applications/$id.desktop"
echo "install: 1 passed, 0 failed"
