#!/usr/bin/env bash
# The Debian package: built from the build folder into a temporary folder, it carries the
# project's version in its name, its control data, its changelog, its manual pages and its
# AppStream release, and Debian's checker finds nothing wrong with it. Without lintian
# (scripts/setup.sh installs it) the version checks still run and the test is then skipped.
#
#   package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$tmp" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack failed"; }
deb="$tmp/tavra_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") (made: $(cd "$tmp" && ls ./*.deb 2>/dev/null))"
[ "$(dpkg-deb -f "$deb" Package)" = tavra ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "control version $(dpkg-deb -f "$deb" Version)"

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
doc="$root/usr/share/doc/tavra"
[ -f "$doc/copyright" ] || fail "no copyright file"
first=$(zcat "$doc/changelog.gz" | head -n 1)
[[ "$first" == "tavra ($version) "* ]] || fail "newest changelog entry is not $version: $first"
# The release's day as the changelog writes it (its writer's day, whatever the time zone).
trailer=$(zcat "$doc/changelog.gz" | sed -n 's/^ -- .*  \(.*\)$/\1/p' | head -n 1)
read -r _ day month year _ <<<"$trailer"
released=$(LC_ALL=C date -d "$day $month $year" +%F)
for page in tavra htmlview tavra-texts; do
  header=$(zcat "$root/usr/share/man/man1/$page.1.gz" | head -n 1)
  [[ "$header" == *"\"$(LC_ALL=C date -d "$released" "+%B %Y")\" \"Tavra $version\""* ]] || fail "man page $page: $header"
done
release=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$root"/usr/share/metainfo/*.xml)
[ "$release" = "$version $released" ] || fail "AppStream release '$release', changelog $version of $trailer"

if ! command -v lintian >/dev/null; then
  echo "lintian missing: the package's checks skipped"
  exit 77
fi
# Every error and warning fails; the informational tags are shown.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$tmp/lintian.log" 2>&1 || status=$?
grep -v "running with root privileges" "$tmp/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian found errors or warnings"
echo "package: all checks passed"
