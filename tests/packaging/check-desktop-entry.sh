#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without errors or warnings,
# starts the installed executable, and names an icon that exists and renders
# at the size a launcher shows it.
# Usage: check-desktop-entry.sh DESKTOP_FILE ICON_SVG EXECUTABLE_NAME
set -euo pipefail

desktop=$1 icon=$2 exe=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The value of KEY in the [Desktop Entry] group (every key of this file is there).
value() { sed -n "s/^$1=//p" "$desktop"; }

status=0
report=$(desktop-file-validate "$desktop" 2>&1) || status=$?
if [ "$status" -ne 0 ] || grep -Eq ': (error|warning):' <<<"$report"; then
  fail "desktop-file-validate (exit $status):"; echo "$report" >&2
fi

[ "$(value Type)" = Application ] || fail "Type is '$(value Type)'"
[ "$(value Exec)" = "$exe" ] || fail "Exec is '$(value Exec)', the program is '$exe'"
[ "$(value Terminal)" = false ] || fail "Terminal is '$(value Terminal)'"
[ "$(value 'Name\[ja\]')" = "三角形の合同条件" ] || fail "Name[ja] is '$(value 'Name\[ja\]')'"
[ -n "$(value Name)" ] || fail "no untranslated Name"
[ -n "$(value 'Comment\[ja\]')" ] || fail "no Comment[ja]"
for category in Education Math; do
  grep -Eq "^Categories=(.*;)?$category;" "$desktop" || fail "Categories lack $category"
done

icon_id=$(basename "$icon" .svg)
[ "$(value Icon)" = "$icon_id" ] || fail "Icon is '$(value Icon)', the icon file is '$icon_id.svg'"
size=$(convert -background none "$icon" png:- | identify -format '%wx%h' -) || size="unreadable"
[ "$size" = 48x48 ] || fail "the icon renders as $size, not 48x48"

[ "$failures" -eq 0 ] || exit 1
echo "desktop entry $(basename "$desktop"): valid"
