#!/usr/bin/env bash
# The AppStream metainfo validates (pedantic notes allowed, no errors or
# warnings) and names the desktop entry it describes.
# Usage: check-metainfo.sh METAINFO_FILE DESKTOP_FILE
set -euo pipefail

metainfo=$1 desktop=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

validate() { appstreamcli validate --no-net --pedantic "$@" "$metainfo" 2>&1; }
status=0
report=$(validate) || status=$?
# The one complaint that cannot be met honestly: the project has no homepage,
# and AppStream 1.0 (Debian 13) warns when the metadata gives none. That tag,
# and only it, counts as a note; older validators (Debian 12's 0.16) neither
# raise nor know it.
if grep -Eq '^ *W: [^ ]+: url-homepage-missing$' <<<"$report"; then
  status=0
  report=$(validate --override=url-homepage-missing=info) || status=$?
fi
if [ "$status" -ne 0 ] || ! grep -q 'Validation was successful' <<<"$report" \
   || grep -Eq '^ *[EW]: ' <<<"$report"; then
  fail "appstreamcli validate (exit $status):"; echo "$report" >&2
fi

desktop_id=$(basename "$desktop")
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ "$id.desktop" = "$desktop_id" ] || fail "component id '$id' differs from the desktop entry '$desktop_id'"
[ "$launchable" = "$desktop_id" ] || fail "launchable '$launchable' is not the desktop entry '$desktop_id'"
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "file name $(basename "$metainfo") does not match id '$id'"
grep -q '<name xml:lang="ja">三角形の合同条件</name>' "$metainfo" || fail "no Japanese name"

[ "$failures" -eq 0 ] || exit 1
echo "metainfo $(basename "$metainfo"): valid"
