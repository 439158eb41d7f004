#!/usr/bin/env bash
# The second test pass: builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/ and runs the whole suite there, playthrough included. Any overflow, use
# after free, leak or undefined behaviour stops its test and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# The whole suite runs here, the checks of the desktop entry and the metainfo included.
install_missing "${build_packages[@]}" qt6-qpa-plugins "${desktop_check_packages[@]}"

# Set before building too: the build itself runs sanitized programs (test discovery, the icon
# renderer), and they answer to the same rules.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
ASAN_OPTIONS+=:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Only leaks inside Qt's and the system's own libraries are suppressed; see the file.
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
# The random players play as long here as in the ordinary suite (a hundred thousand actions on
# the window layer, 1,500 through the desktop's widgets), where an overflow or a leak on their way
# cannot hide.

# Unoptimised, with assertions: it compiles in two thirds of the time, and the optimiser cannot
# remove the faulty access the sanitizers are looking for.
configure build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLMAR_SANITIZE=ON
cmake --build build-sanitize --parallel "$(nproc)"
ctest --test-dir build-sanitize --output-on-failure --timeout 300 -j "$(nproc)"

