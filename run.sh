#!/usr/bin/env bash
# Plays Quillmar: installs what is missing, builds the game alone (./test.sh builds the tests
# and tools), and opens the title screen. ./run.sh --web builds the browser's site instead and
# serves it on this machine alone, at the address it prints.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
if [ "${1:-}" = "--web" ]; then
    scripts/web.sh
    install_missing python3
    # A free port, chosen by the system.
    port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    echo "Quillmar is at http://127.0.0.1:$port/ (Ctrl+C stops it)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
fi
install_missing "${build_packages[@]}" qt6-qpa-plugins
build_game --target quillmar
exec ./build/quillmar "$@"
