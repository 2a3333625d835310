#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package that `make deb` left in dist/ as a teacher would, with
# apt; checks that the program, its help, its version and its manual page work
# from the system; starts it; then removes the package and checks that every
# file it installed is gone. Refuses to touch an installation already there.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
deb="dist/velomira_${version}_${arch}.deb"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
fail() { echo "package check: $*" >&2; exit 1; }

if dpkg-query -W -f='${Status}' velomira 2>/dev/null | grep -q 'install ok installed'; then
    fail "velomira is installed already; remove it first (dpkg -r velomira)"
fi
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$deb" >/dev/null
files=$(dpkg-query -L velomira)

[ "$(command -v velomira)" = /usr/bin/velomira ] || fail "velomira is not /usr/bin/velomira"
[ "$(velomira --version)" = "velomira $version" ] || fail "--version does not say $version"
velomira --help | grep -q '^Usage: velomira' || fail "--help prints no usage"
[ "$(LANGUAGE=de velomira --help | head -1)" != "$(LANGUAGE=en velomira --help | head -1)" ] ||
    fail "--help is not translated on a German desktop"
[ "$(man -w velomira)" = /usr/share/man/man1/velomira.1.gz ] || fail "man -w velomira finds no page"
{ velomira --summary /nonexistent.pdf 2>&1 || true; } | grep -q 'nonexistent.pdf cannot be read' ||
    fail "--summary does not find its program"
# The program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 velomira || status=$?
[ $status -eq 124 ] || fail "velomira ended by itself with status $status"

"${sudo[@]}" dpkg -r velomira >/dev/null
left=()
while IFS= read -r path; do
    [ -n "$path" ] && [ ! -d "$path" ] && [ -e "$path" ] && left+=("$path")
done <<< "$files"
[ ${#left[@]} -eq 0 ] || fail "files left after removal: ${left[*]}"
echo "package: 1 passed, 0 failed"
