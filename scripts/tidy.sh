#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the .cpp files under src/ (but the browser's
# view in src/web, which only emscripten compiles): those named on the command line (files, or
# folders to search), or all of them when none is named, two at a time. Installs clang-tidy if it
# is missing and configures build-tidy/ for the compile commands. Exits non-zero on any finding,
# in a source or in one of our headers.
#   scripts/tidy.sh                       the whole of src/
#   scripts/tidy.sh src/state src/world   two folders
set -euo pipefail
# Named paths are taken as given from where the script was started.
paths=()
for path in "$@"; do
    [ -e "$path" ] || { echo "tidy.sh: no such file or folder: $path" >&2; exit 2; }
    paths+=("$(realpath "$path")")
done
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" clang-tidy
configure build-tidy -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
[ ${#paths[@]} -gt 0 ] || paths=(src)
# The browser's view compiles with emscripten alone; this build's compile commands cover the rest.
prune=(-path "$PWD/src/web" -prune -o -path src/web -prune -o)

# One file's findings are printed together, so that two runs side by side do not mix lines;
# the count of warnings clang-tidy itself hid (in Qt's and the system's headers) is left out.
tidy_one() {
    local findings
    findings=$(clang-tidy -p build-tidy --quiet --warnings-as-errors='*' "$1" 2>&1) && return 0
    grep -v '^[0-9]* warnings\? generated\.$' <<<"$findings"
    return 1
}
export -f tidy_one

# shellcheck disable=SC2016 # the inner shell expands its own "$1", one file name
if find "${paths[@]}" "${prune[@]}" -name '*.cpp' -print0 | sort -z |
    xargs -0 -r -P2 -n1 bash -c 'tidy_one "$1"' _; then
    echo "clang-tidy: no findings"
else
    echo "clang-tidy: findings above" >&2
    exit 1
fi
