#!/usr/bin/env bash
# Builds the Windows build and runs the program under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target corvane_probe
scripts/wine-env.sh -- wine build/windows/tools/corvane_probe.exe
