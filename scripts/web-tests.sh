#!/usr/bin/env bash
# Builds the browser's site and tests it in headless Chromium (Debian's): the winning playthrough
# by clicks on the page, the page checked against the game after every step, and a random player
# of 5,000 actions. Arguments go to tests/web/run.py: a seed, then a number of actions.
# Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh
source scripts/deps.sh
install_missing chromium python3 python3-websocket
# Debian's python3 has Debian's websocket module, whatever python3 comes first on the PATH.
/usr/bin/python3 tests/web/run.py build-web/site "$@"
