#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix, as the README says, and checks
# that the binaries are stripped and the summary's program is found, that the desktop entry, the icons, the manual
# page and the AppStream metainfo land where desktops look for them, that
# Debian's validators accept them, and that the program, the metainfo and the
# Debian package agree on the version.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" --strip >/dev/null

id=org.velomira.Velomira
test -x "$prefix/bin/velomira"
for binary in "$prefix/bin/velomira" "$prefix/libexec/velomira/velomira-summary"; do
    if readelf -S "$binary" | grep -qE '\.(debug_|symtab)'; then
        echo "the installed $binary still has its symbols" >&2
        exit 1
    fi
done
# The installed program finds the installed summary's program.
status=0
summary=$("$prefix/bin/velomira" --summary "$prefix/none.pdf" 2>&1) || status=$?
[ $status -eq 1 ] && grep -q "none.pdf cannot be read" <<< "$summary" || { echo "--summary: $summary" >&2; exit 1; }
test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    # The PNG header's width and height, each four bytes big-endian.
    read -r -a header < <(od -An -tu1 -j16 -N8 "$png")
    width=$(( (header[2] << 8) + header[3] )) height=$(( (header[6] << 8) + header[7] ))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] || { echo "$png is ${width}x$height" >&2; exit 1; }
done
page="$prefix/share/man/man1/velomira.1"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings" >&2; exit 1; }
version=$("$prefix/bin/velomira" --version)
source=$(dirname "$0")/../..
[ "$version" = "velomira $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$prefix/share/metainfo/$id.metainfo.xml" | head -1)" ]
[ "$version" = "velomira $(sed -n '1s/^velomira (\([^)]*\)).*/\1/p' "$source/debian/changelog")" ]
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '^Exec=velomira$' "$prefix/share/applications/$id.desktop"
echo "install: 1 passed, 0 failed"
