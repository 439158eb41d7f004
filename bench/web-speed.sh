#!/usr/bin/env bash
# The browser view's figures with their targets: builds the site with scripts/web.sh, serves it
# on 127.0.0.1 and measures it in Debian's headless Chromium. Exits non-zero when a target is
# missed or a figure could not be measured.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh
source scripts/deps.sh
install_missing chromium python3 python3-websocket
# Debian's python3 has Debian's websocket module, whatever python3 comes first on the PATH.
/usr/bin/python3 bench/web_speed.py build-web/site
