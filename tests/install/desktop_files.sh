#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators. Without the
# validators (scripts/setup.sh installs them) the test is skipped.
#
# The metainfo is checked as installed, with the release filled in.
#
#   desktop_files.sh DESKTOP_DIR RELEASE_DIR
set -euo pipefail
desktop=$1
release=$2
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
  echo "desktop-file-validate or appstreamcli missing: skipped"
  exit 77
fi
for entry in "$desktop"/*.desktop; do
  out=$(desktop-file-validate "$entry" 2>&1) || { echo "$out"; exit 1; }
  # The validator passes hints with status 0; any output at all is a fault here.
  [ -z "$out" ] || { echo "$out"; exit 1; }
done
appstreamcli validate --no-net "$release"/*.metainfo.xml
