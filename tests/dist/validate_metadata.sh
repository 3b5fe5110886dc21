#!/usr/bin/env bash
# Validates the launcher and the AppStream metainfo, and that the metainfo lists this version.
#   validate_metadata.sh DIST_DIR APP_ID VERSION
set -euo pipefail
dist=$1 id=$2 version=$3
desktop-file-validate "$dist/$id.desktop"
appstreamcli validate --no-net "$dist/$id.metainfo.xml"
grep -q "<release version=\"$version\"" "$dist/$id.metainfo.xml" ||
    { echo "$id.metainfo.xml has no <release version=\"$version\">: add this version's release" >&2; exit 1; }
