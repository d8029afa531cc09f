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
packages=(corvanectl corvane)

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
# The autostart example too: a user copies it as it is.
find "$extracted" -name '*.desktop' -print0 |
    xargs -0 -r -n 1 sh -c 'out=$(desktop-file-validate "$1" 2>&1); [ -z "$out" ] || { echo "$out"; exit 1; }' -
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

check_installed_corvane() {
    test "$(cd / && /usr/bin/corvane --version)" = "corvane $version"
    test "$(man -w corvane)" = /usr/share/man/man1/corvane.1.gz
    test -f /usr/share/applications/org.corvane.Corvane.desktop
    test -f /usr/share/icons/hicolor/48x48/apps/org.corvane.Corvane.png
    test -f /usr/share/metainfo/org.corvane.Corvane.metainfo.xml
    # Nothing beside the program, so the window can only have found its
    # skins under /usr/share/corvane.
    test ! -e /usr/bin/Skins
    show_installed_window
}

# `corvane --simulate` from /usr/bin on a private Xvfb, in an empty
# environment with fresh settings and runtime folders and the English
# language: its window shows the key page of the English skin, it makes its
# settings in $XDG_CONFIG_HOME, and its Close button ends it with 0.
show_installed_window() (
    local work xvfb_pid="" corvane_pid="" display="" window="" n lock
    work=$(mktemp -d)
    mkdir -p "$work/home" "$work/config" "$work/runtime"
    chmod 700 "$work/runtime"
    cleanup() {
        [ -z "$corvane_pid" ] || kill "$corvane_pid" 2>/dev/null || true
        if [ -n "$xvfb_pid" ]; then
            kill "$xvfb_pid" 2>/dev/null || true
            wait "$xvfb_pid" 2>/dev/null || true
        fi
        rm -rf "$work"
    }
    trap cleanup EXIT

    # The first display from CORVANE_E2E_FIRST_DISPLAY (as the end-to-end
    # tests choose theirs) whose lock names no running server.
    local first=${CORVANE_E2E_FIRST_DISPLAY:-100}
    for n in $(seq "$first" $((first + 99))); do
        lock=/tmp/.X$n-lock
        if [ -e "$lock" ] && kill -0 "$(tr -dc 0-9 <"$lock")" 2>/dev/null; then
            continue
        fi
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        # Up to 10 s until it answers; a server that lost the number to
        # another one ends at once.
        for _ in $(seq 1 100); do
            kill -0 "$xvfb_pid" 2>/dev/null || break
            DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && display=":$n" && break
            sleep 0.1
        done
        [ -z "$display" ] || break
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    [ -n "$display" ] || { echo "packages: no Xvfb display could be started" >&2; return 1; }
    export DISPLAY=$display

    (cd "$work" && exec env -i PATH=/usr/bin:/bin HOME="$work/home" DISPLAY="$display" \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 \
        DBUS_SESSION_BUS_ADDRESS=disabled: /usr/bin/corvane --simulate) >"$work/corvane.log" 2>&1 &
    corvane_pid=$!

    # The main window is the 760 x 630 one (a tray icon would be a window too).
    for _ in $(seq 1 300); do # up to 30 s
        for candidate in $(xdotool search --onlyvisible --class corvane 2>/dev/null || true); do
            if xdotool getwindowgeometry "$candidate" 2>/dev/null | grep -q 'Geometry: 760x630'; then
                window=$candidate
            fi
        done
        [ -n "$window" ] && break
        kill -0 "$corvane_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "packages: the installed corvane showed no window; it wrote:" >&2
        cat "$work/corvane.log" >&2
        return 1
    fi

    # The key page: the skin's image wherever the lists' texts are not
    # (measured: 0.4 % of the pixels differ; a missing skin leaves all).
    local skin=/usr/share/corvane/Skins/EN/KeySet.png differing="" limit=$((760 * 630 / 100))
    for _ in $(seq 1 100); do # up to 10 s, the window is black before it draws
        import -window "$window" "$work/shot.png" 2>/dev/null || true
        differing=$(compare -metric AE "$work/shot.png" "$skin" null: 2>&1 || true)
        [[ "$differing" =~ ^[0-9]+$ ]] && [ "$differing" -le "$limit" ] && break
        sleep 0.1
    done
    if ! [[ "$differing" =~ ^[0-9]+$ ]] || [ "$differing" -gt "$limit" ]; then
        echo "packages: the installed corvane's window is not the key page of $skin" \
            "($differing pixels differ, at most $limit expected)" >&2
        return 1
    fi
    echo "packages: corvane's window shows $skin ($differing of $((760 * 630)) pixels differ: the texts)"
    test -s "$work/config/corvane/config.bin"

    xdotool mousemove --window "$window" 736 20 click 1 # Close
    for _ in $(seq 1 100); do
        kill -0 "$corvane_pid" 2>/dev/null || break
        sleep 0.1
    done
    local status=0
    if kill -0 "$corvane_pid" 2>/dev/null; then
        echo "packages: the installed corvane did not end on Close" >&2
        return 1
    fi
    wait "$corvane_pid" || status=$?
    corvane_pid=""
    [ "$status" = 0 ] || { echo "packages: corvane ended with $status on Close" >&2; return 1; }
)

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
