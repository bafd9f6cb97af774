#!/usr/bin/env bash
# The menu entry and the software-centre description pass their validators,
# and the description's launchable names the menu entry's file.
set -euo pipefail
desktop=$1
metainfo=$2

desktop-file-validate "$desktop"
# --pedantic prints hints too; only errors and warnings fail.
appstreamcli validate --no-net --pedantic "$metainfo"

launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
if [ "$launchable" != "$(basename "$desktop")" ]; then
  echo "FAIL: launchable '$launchable' does not name the menu entry $(basename "$desktop")" >&2
  exit 1
fi
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")
if [ "$(basename "$metainfo")" != "$id.metainfo.xml" ]; then
  echo "FAIL: $(basename "$metainfo") is not named after its id '$id'" >&2
  exit 1
fi
echo "ok: $(basename "$desktop") and $(basename "$metainfo") are valid and agree"
