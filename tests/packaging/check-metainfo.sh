#!/bin/sh
# The installed tree passes AppStream validation offline: the metainfo itself
# and the desktop entry and icon it refers to. Skips (77) where appstream is
# not installed.
#   check-metainfo.sh STAGE_DIR
set -eu
command -v appstreamcli >/dev/null 2>&1 || { echo "appstreamcli not installed"; exit 77; }
appstreamcli validate --no-net "$1"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$1"
# Offline, an address that does not exist cannot be seen, but for one at the
# domains reserved for examples, which never do.
! grep -nE 'https?://([^/]*\.)?example\.(org|com|net)' "$1"/usr/share/metainfo/*.metainfo.xml ||
  { echo "FAIL: the metainfo names an example address"; exit 1; }
