#!/usr/bin/env bash
# Builds the Debian package as a packager would and checks it. The tree is exported clean (the
# committed files with the working tree's changes to them; a new file counts once it is added
# to git) to build-package/quillmar-VERSION/, where dpkg-buildpackage builds it with Debian's
# flags and runs the whole test suite. Then:
#   - the build log must hold no compiler or linker warning (that build has no -Werror);
#   - lintian must find nothing at error or warning level in the .deb and the .changes;
#   - hardening-check must say yes for PIE, stack protector, fortify, read-only relocations and
#     immediate binding on the packaged program;
#   - apt-get must be able to install the package with everything it depends on (simulated);
# and the package's files are listed. The package is build-package/quillmar_VERSION_amd64.deb.
# With DEB_BUILD_OPTIONS=nocheck and DEB_BUILD_PROFILES=nocheck it is built without its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" "${desktop_check_packages[@]}" build-essential debhelper \
    devscripts lintian

fail() {
    echo "$1" >&2
    exit 1
}

out=build-package
version=$(dpkg-parsechangelog -S Version)
tree=$out/quillmar-${version%-*}
rm -rf "$out"
mkdir -p "$tree"
snapshot=$(git stash create)
git archive "${snapshot:-HEAD}" | tar -x -C "$tree"

log=$out/build.log
echo "Building the package in $tree (full log: $log)"
if ! (cd "$tree" && dpkg-buildpackage -us -uc -b -J"$(nproc)") >"$log" 2>&1; then
    tail -n 60 "$log"
    fail "The package build failed; see $log"
fi
grep -E '^[0-9]+% tests passed' "$log" || echo "(built without its tests: ${DEB_BUILD_OPTIONS:-})"
if grep -E '^(/usr/bin/ld|[^ ]+\.(cpp|h)(:[0-9]+)*): warning:' "$log"; then
    fail "The build with Debian's flags printed the warnings above"
fi

deb=$out/quillmar_${version}_amd64.deb
changes=$out/quillmar_${version}_amd64.changes
echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" "$changes"

echo "== hardening-check"
unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
report=$(hardening-check "$unpacked/usr/games/quillmar" || true)
echo "$report"
for line in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
    "Read-only relocations" "Immediate binding"; do
    grep -q "^ $line: yes" <<<"$report" || fail "hardening-check does not say yes for: $line"
done

echo "== install (simulated)"
apt-get install --simulate "./$deb" | grep -E '^Inst quillmar ' ||
    fail "apt-get cannot install $deb"

echo "== files"
dpkg-deb -c "$deb"
