#!/usr/bin/env bash
# Builds the browser's site and plays its first steps in headless Chromium (Debian's), checking
# the title screen and the way to the story; the page as it ended is kept in build-web/check.png.
# Exits non-zero when the page does not do what the game does.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh
source scripts/deps.sh
install_missing chromium python3 python3-websocket
# Debian's python3 has Debian's websocket module, whatever python3 comes first on the PATH.
/usr/bin/python3 scripts/web_check.py build-web/site build-web/check.png
echo "The browser build plays; its page is in build-web/check.png"
