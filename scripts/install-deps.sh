#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages one kind of work needs, when any is missing,
# through sudo when not run as root:
#   run   building and running the program
#   test  the above, and running the test suite
#   fuzz  the above, and building the fuzzers with clang
#   coverage  the test set-up, and gcovr for the coverage report
#   format    clang-format, for the project's C++ style
#   deb   the package's build dependencies, and building and checking it
set -euo pipefail
cd "$(dirname "$0")/.."

run=(build-essential cmake pkgconf qt6-base-dev qt6-tools-dev qt6-l10n-tools libpoppler-qt6-dev qt6-translations-l10n fonts-liberation2
     fonts-wqy-microhei)
test=("${run[@]}" qt6-base-private-dev fonts-dejavu-core desktop-file-utils appstream man-db
      xvfb xauth xdotool imagemagick poppler-utils locales)
fuzz=("${test[@]}" clang libclang-rt-14-dev)
coverage=("${test[@]}" gcovr)
format=(clang-format git)
deb=(dpkg-dev debhelper lintian man-db)

case "${1:-}" in
    run) packages=("${run[@]}") ;;
    test) packages=("${test[@]}") ;;
    fuzz) packages=("${fuzz[@]}") ;;
    coverage) packages=("${coverage[@]}") ;;
    format) packages=("${format[@]}") ;;
    deb) packages=("${deb[@]}") ;;
    *) echo "usage: $0 run|test|fuzz|coverage|format|deb" >&2; exit 2 ;;
esac

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
updated=no
apt_install() {
    [ $updated = yes ] || "${sudo[@]}" apt-get update -qq
    updated=yes
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_install "${missing[@]}"
fi

# The number tests also read and write numbers under a German locale, which
# writes 2,5; a test that needs it and does not find it is skipped.
if [ "$1" != run ] && [ "$1" != deb ] && [ "$1" != format ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "Making the German locale for the tests"
    "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi

# The package is built with exactly what debian/control declares.
if [ "$1" = deb ] && ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    echo "Installing the build dependencies in debian/control"
    [ $updated = yes ] || "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends ./
fi
