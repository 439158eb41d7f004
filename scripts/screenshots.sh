#!/usr/bin/env bash
# Renders the README's screenshots from the game's real windows, drawn offscreen, into
# docs/title.png, docs/move.png and docs/battle.png. Run it again after changing what the
# windows show. The three files are replaced only when all three were taken.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" qt6-qpa-plugins
build_game --target readme_screenshots
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
QT_QPA_PLATFORM=offscreen ./build/packaging/readme_screenshots "$shots"
mkdir -p docs
mv "$shots"/title.png "$shots"/move.png "$shots"/battle.png docs/
echo "Wrote docs/title.png, docs/move.png and docs/battle.png"
