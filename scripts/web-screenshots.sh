#!/usr/bin/env bash
# Takes the README's browser screenshots from the page in Debian's headless Chromium into
# docs/web-title.png, docs/web-move.png and docs/web-battle.png, each cropped to the game
# window, in the same states as scripts/screenshots.sh takes the desktop's. The three files are
# replaced only when all three were taken.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh
source scripts/deps.sh
install_missing chromium python3 python3-websocket
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
# Debian's python3 has Debian's websocket module, whatever python3 comes first on the PATH.
/usr/bin/python3 scripts/web_screenshots.py build-web/site "$shots"
mkdir -p docs
mv "$shots"/web-title.png "$shots"/web-move.png "$shots"/web-battle.png docs/
echo "Wrote docs/web-title.png, docs/web-move.png and docs/web-battle.png"
