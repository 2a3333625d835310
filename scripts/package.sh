#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (its build runs the test suite headless), moves
# it with its build records into dist/ and has lintian check it: any error or
# warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
dpkg-buildpackage -us -uc -b

# dpkg-buildpackage writes beside the source folder.
mkdir -p dist
for file in "velomira_${version}_${arch}.deb" "velomira-dbgsym_${version}_${arch}.deb" \
            "velomira_${version}_${arch}.buildinfo" "velomira_${version}_${arch}.changes"; do
    [ -e "../$file" ] && mv -f "../$file" dist/
done

lintian --fail-on error,warning --display-info "dist/velomira_${version}_${arch}.deb"
echo "dist/velomira_${version}_${arch}.deb"
