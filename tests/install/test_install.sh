#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix, as the README says, and checks
# that the binary is stripped, that the desktop entry, the icon and the
# AppStream metainfo land where desktops look for them, and that Debian's
# validators accept the two files.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" --strip >/dev/null

id=org.velomira.Velomira
test -x "$prefix/bin/velomira"
if readelf -S "$prefix/bin/velomira" | grep -qE '\.(debug_|symtab)'; then
    echo "the installed binary still has its symbols" >&2
    exit 1
fi
test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '^Exec=velomira$' "$prefix/share/applications/$id.desktop"
echo "install: 1 passed, 0 failed"
