#!/usr/bin/env bash
# Tests Quillmar: installs what is missing, builds, and runs every test through CTest with the
# windows drawn offscreen. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
install_missing "${build_packages[@]}" qt6-qpa-plugins xvfb
install_missing "${desktop_check_packages[@]}"
build_game
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 120 -j "$(nproc)"
