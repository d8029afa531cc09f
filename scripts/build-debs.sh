#!/usr/bin/env bash
# Builds the Debian packages with Debian's own tooling from a copy of the
# tree's git-tracked files under build/deb/, so that nothing of a developer's
# build folders or untracked files reaches a package. The .deb files land in
# build/deb/. Tests are left to CI's suite (DEB_BUILD_OPTIONS=nocheck).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

out=build/deb
version=$(dpkg-parsechangelog -S Version)
source_dir="$out/corvane-$version"

rm -rf "$out"
mkdir -p "$source_dir"
# The working tree's version of every tracked file, uncommitted edits included.
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$source_dir"

cd "$source_dir"
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc
cd - >/dev/null
ls -l "$out"/*.deb
