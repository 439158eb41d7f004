#!/usr/bin/env bash
# Plays Quillmar: installs what is missing, builds the game alone (./test.sh builds the tests
# and tools), and opens the title screen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
install_missing "${build_packages[@]}" qt6-qpa-plugins
build_game --target quillmar
exec ./build/quillmar "$@"
