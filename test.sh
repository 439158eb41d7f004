#!/usr/bin/env bash
# Tests Quillmar: installs what is missing, builds, and runs every test through CTest with the
# windows drawn offscreen, then the browser's tests. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
install_missing "${build_packages[@]}" qt6-qpa-plugins xvfb
install_missing "${desktop_check_packages[@]}"
build_game
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 120 -j "$(nproc)"
# The browser's site, built from the same code and played in Debian's headless Chromium: its first
# steps with the keyboard, the winning playthrough and a random player of 5,000 actions.
scripts/web-check.sh
scripts/web-tests.sh
