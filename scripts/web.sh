#!/usr/bin/env bash
# Builds the game for the browser into build-web/ with Debian's emscripten, and writes the static
# site (the page, its style and script, the compiled game) into build-web/site/. The site fetches
# nothing from elsewhere: serve the folder as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing cmake make emscripten
# Debian's emscripten runs its tools in node with the JavaScript modules Debian installs there;
# a node from elsewhere first on the PATH does not look in that folder by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DQUILLMAR_WERROR=ON >/dev/null
cmake --build build-web --parallel 2 --target quillmar_web
echo "Wrote the site into build-web/site/ ($(du -sb build-web/site | cut -f1) bytes)"
