#!/usr/bin/env bash
# Installs the Debian packages the builds, the tests and the demo need, when
# any of them is missing (apt-get as root, after apt-get update).
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev python3
    libcli11-dev nlohmann-json3-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libhidapi-dev pkgconf
    g++-mingw-w64-x86-64-posix
    wine wine64 xvfb fonts-wine fonts-wqy-microhei
    xdotool x11-apps zip imagemagick
    qt6-base-dev libxcb1-dev fonts-noto-cjk fonts-dejavu-core libudev-dev trayer
    build-essential dpkg-dev debhelper lintian appstream desktop-file-utils man-db bash-completion
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
