#!/usr/bin/env bash
# The Debian packages as users get them: built by Debian's own tooling,
# checked by lintian, appstreamcli and desktop-file-validate, and, in CI only
# (CI=true: it installs system packages), installed with apt-get, used from
# the installed files alone, and removed without a file left behind.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
started=$SECONDS

# The binary packages, in install order. Each has a check_installed_<name>
# below that runs once all of them are installed.
packages=(corvanectl)

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
debs=()
for package in "${packages[@]}"; do
    debs+=("build/deb/${package}_${version}_${arch}.deb")
done

echo "packages: a package version other than CMake's project version is refused"
if cmake -S . -B build/deb-version-check -DCORVANE_TESTS=OFF -DCORVANE_BENCHMARKS=OFF \
    -DCORVANE_PACKAGE_VERSION="0.0.0-not-$version" >build/deb-version-check.log 2>&1; then
    echo "packages: CMake took a package version that is not its own" >&2
    exit 1
fi
# CMake wraps its messages.
tr -s ' \n' ' ' <build/deb-version-check.log | grep -q "is not the project's version"
rm -rf build/deb-version-check build/deb-version-check.log

echo "packages: dpkg-buildpackage"
scripts/build-debs.sh >build/deb-build.log 2>&1 || {
    tail -n 40 build/deb-build.log
    exit 1
}
mv build/deb-build.log build/deb/

echo "packages: lintian"
lintian --fail-on error,warning "${debs[@]}"

extracted=build/deb/extracted
mkdir -p "$extracted"
for deb in "${debs[@]}"; do
    dpkg-deb -x "$deb" "$extracted/$(dpkg-deb -f "$deb" Package)"
done

echo "packages: appstreamcli validate --no-net"
find "$extracted" -path '*/usr/share/metainfo/*.xml' -print0 |
    xargs -0 -r appstreamcli validate --no-net
echo "packages: desktop-file-validate"
find "$extracted" -path '*/usr/share/applications/*.desktop' -print0 |
    xargs -0 -r -n 1 sh -c 'out=$(desktop-file-validate "$1" 2>&1); echo "$out"; [ -z "$out" ]' -
echo "packages: bash completion"
bash tests/dist/corvanectl_completion_test.sh "$extracted/corvanectl/usr/bin/corvanectl" \
    "$extracted/corvanectl/usr/share/bash-completion/completions/corvanectl"

for deb in "${debs[@]}"; do
    printf 'packages: %s: %s bytes, installed size %s KiB\n' "$(basename "$deb")" \
        "$(stat -c %s "$deb")" "$(dpkg-deb -f "$deb" Installed-Size)"
done

# The checks below see only what the packages installed: the programs from
# /usr/bin, run in an empty folder.
check_installed_corvanectl() {
    local work
    work=$(mktemp -d)
    (
        cd "$work"
        test "$(/usr/bin/corvanectl --version)" = "corvanectl $version"
        /usr/bin/corvanectl info --simulate >/dev/null
    )
    rm -rf "$work"
    test "$(man -w corvanectl)" = /usr/share/man/man1/corvanectl.1.gz
    grep -q 'TAG+="uaccess"' /lib/udev/rules.d/70-corvane.rules
    # bash-completion's loader finds the completion by the command's name.
    bash -c 'source /usr/share/bash-completion/bash_completion &&
        __load_completion corvanectl && complete -p corvanectl' >/dev/null
}

if [ "${CI:-}" != true ]; then
    echo "packages: install, use and removal skipped: they change this system's packages (CI=true runs them)"
else
    sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    trap '$sudo apt-get remove -y -q "${packages[@]}" >/dev/null 2>&1 || true' EXIT
    echo "packages: apt-get install"
    $sudo apt-get install -y -q "${debs[@]/#/./}" >/dev/null
    for package in "${packages[@]}"; do
        echo "packages: $package, installed"
        "check_installed_$package"
    done

    files=$(dpkg -L "${packages[@]}")
    echo "packages: apt-get remove"
    $sudo apt-get remove -y -q "${packages[@]}" >/dev/null
    trap - EXIT
    left=0
    while IFS= read -r path; do
        if [ -e "$path" ] && [ ! -d "$path" ]; then
            echo "packages: left behind after removal: $path" >&2
            left=1
        fi
    done <<<"$files"
    for package in "${packages[@]}"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
        if [ -n "$status" ] && [ "$status" != not-installed ]; then
            echo "packages: $package is still $status after removal" >&2
            left=1
        fi
    done
    [ "$left" = 0 ]
fi

echo "packages: stage took $((SECONDS - started)) s"
