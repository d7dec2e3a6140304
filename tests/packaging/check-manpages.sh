#!/usr/bin/env bash
# The manual pages, English and Japanese: man and groff format them without a
# single warning (as lintian runs them, 80 columns, and on a narrower terminal),
# the NAME line gives the whatis entry, the header carries the project's
# version, and the text names the environment the program honours, the
# option of the large view and the desktop entry's action by the name the
# entry gives it.
# Usage: check-manpages.sh MAN_DIR DESKTOP_FILE VERSION
set -euo pipefail

dir=$1 desktop=$2 version=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

large_ja=$(awk '/^\[/ { g = $0 } g == "[Desktop Action large]" && /^Name\[ja\]=/ { print substr($0, 10) }' "$desktop")
[ -n "$large_ja" ] || fail "the desktop entry has no Name[ja] for its large action"

for page in "$dir/godojoken.1" "$dir/ja/godojoken.1"; do
  name=${page#"$dir/"}
  for width in 80 60; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=$width man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) \
      || fail "$name: man failed"
    [ -z "$warnings" ] || { fail "$name at $width columns:"; echo "$warnings" >&2; }
  done

  whatis=$(lexgrog "$page") || fail "$name: lexgrog finds no NAME section"
  grep -q ': "godojoken - .' <<<"$whatis" || fail "$name: whatis entry is $whatis"
  grep -Eq "^\.TH GODOJOKEN 1 [0-9]{4}-[0-9]{2}-[0-9]{2} \"godojoken $version\" " "$page" \
    || fail "$name: the .TH line lacks section 1, a date or 'godojoken $version'"

  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
  for word in --projector QT_SCALE_FACTOR=2 DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM CUPS_SERVER PRINTER LPDEST \
              印刷 終了 "$large_ja"; do
    grep -qF -e "$word" <<<"$text" || fail "$name does not mention $word"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "manual pages: clean"
