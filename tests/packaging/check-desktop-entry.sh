#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without errors or warnings,
# starts the installed executable, offers the large view for a projector as a
# second action, and names an icon that exists and that librsvg (the renderer
# of the desktops' icon themes) renders at the size a launcher shows it.
# Usage: check-desktop-entry.sh DESKTOP_FILE ICON_SVG EXECUTABLE_NAME
set -euo pipefail

desktop=$1 icon=$2 exe=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The value of KEY in the [Desktop Entry] group, or in GROUP: group_value GROUP KEY.
group_value() {
  awk -v group="[$1]" -v key="$2" '
    /^\[/ { in_group = ($0 == group); next }
    in_group && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' "$desktop"
}
value() { group_value "Desktop Entry" "$1"; }

status=0
report=$(desktop-file-validate "$desktop" 2>&1) || status=$?
if [ "$status" -ne 0 ] || grep -Eq ': (error|warning):' <<<"$report"; then
  fail "desktop-file-validate (exit $status):"; echo "$report" >&2
fi

[ "$(value Type)" = Application ] || fail "Type is '$(value Type)'"
[ "$(value Exec)" = "$exe" ] || fail "Exec is '$(value Exec)', the program is '$exe'"
[ "$(value Terminal)" = false ] || fail "Terminal is '$(value Terminal)'"
[ "$(value 'Name[ja]')" = "三角形の合同条件" ] || fail "Name[ja] is '$(value 'Name[ja]')'"
[ -n "$(value Name)" ] || fail "no untranslated Name"
[ -n "$(value 'Comment[ja]')" ] || fail "no Comment[ja]"
for category in Education Math; do
  grep -Eq "^Categories=(.*;)?$category;" "$desktop" || fail "Categories lack $category"
done

# The one action: the same program as large as the screen allows, for a
# projector or an electronic blackboard.
[ "$(value Actions)" = "large;" ] || fail "Actions is '$(value Actions)', not 'large;'"
large="Desktop Action large"
[ "$(group_value "$large" 'Name[ja]')" = "大きく表示（プロジェクター用）" ] \
  || fail "the large action's Name[ja] is '$(group_value "$large" 'Name[ja]')'"
[ -n "$(group_value "$large" Name)" ] || fail "the large action has no untranslated Name"
[ "$(group_value "$large" Exec)" = "$exe --projector" ] \
  || fail "the large action runs '$(group_value "$large" Exec)'"

icon_id=$(basename "$icon" .svg)
[ "$(value Icon)" = "$icon_id" ] || fail "Icon is '$(value Icon)', the icon file is '$icon_id.svg'"
# Size, a rounded-off (transparent) corner and the teal ground at the left
# edge between ｌ and ｍ: the picture was drawn, not just sized.
rendered=$(rsvg-convert "$icon" | identify -format '%wx%h %[pixel:p{0,0}] %[pixel:p{4,24}]' png:-) \
  || rendered="unreadable"
[ "$rendered" = "48x48 srgba(0,0,0,0) srgba(0,128,128,1)" ] \
  || fail "the icon renders as '$rendered', not 48x48 with a transparent corner and teal ground"

[ "$failures" -eq 0 ] || exit 1
echo "desktop entry $(basename "$desktop"): valid"
