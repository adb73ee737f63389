#!/usr/bin/env bash
# Builds the Debian package and leaves it, checked by lintian, in dist/.
# dpkg-buildpackage writes an obj-* folder into the source and its results
# beside it, so it works on a copy of the tree under build-package/ and
# nothing lands outside dist/ and the ignored build folders.
# JOBS sets the parallel jobs; DEB_BUILD_OPTIONS=nocheck skips the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh packaging

version=$(dpkg-parsechangelog -S Version)
stage=build-package
rm -rf "$stage"
mkdir -p "$stage/quillo-${version%-*}" dist
git ls-files -z --cached --others --exclude-standard \
  | tar --null --ignore-failed-read -T - -cf - | tar -xf - -C "$stage/quillo-${version%-*}"

# debhelper points HOME at a scratch folder; keep ccache's own folder so
# a second package build reuses the first one's objects.
if command -v ccache >/dev/null; then
  CCACHE_DIR=${CCACHE_DIR:-$(ccache --get-config cache_dir)}
  export CCACHE_DIR
fi

(cd "$stage/quillo-${version%-*}" && dpkg-buildpackage -b -us -uc -J"${JOBS:-2}")

rm -f dist/quillo_*.deb
cp "$stage"/quillo_"${version}"_*.deb dist/
deb=$(ls dist/quillo_"${version}"_*.deb)
lintian --fail-on error,warning "$deb"
echo "$deb: $(du -k "$deb" | cut -f1) KiB; Depends: $(dpkg-deb -f "$deb" Depends)"
