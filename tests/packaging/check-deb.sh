#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its control fields
# and contents, unpacks it into a throwaway root and starts the unpacked
# program on an X server of its own until its window shows the lesson's title.
# Usage: check-deb.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$1 source=$2
app_id=io.github.godojoken
caption="三角形の合同条件の使い方(q.Sorano)"

tmp=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
  set +e
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$tmp"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# --- build -------------------------------------------------------------------
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1
fi
debs=("$tmp"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: cpack made ${#debs[@]} packages" >&2; exit 1
fi
deb=${debs[0]}
echo "built $(basename "$deb")"

# --- control fields ----------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = godojoken ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q "三角形の合同条件" <<<"$(field Description)" || fail "the description lacks the Japanese name"
depends=$(field Depends)
echo "Depends: $depends"

# Split "a (>= 1), b | c" into one alternative per line: "a (>= 1)", "b", "c".
depends_lines=$(sed 's/ *[,|] */\n/g; s/^ *//; s/ *$//' <<<"$depends")
depends_on() {
  local line
  while read -r line; do [ "${line%% *}" = "$1" ] && return 0; done <<<"$depends_lines"
  return 1
}

for pkg in libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "^$pkg \(>= 6\.[0-9]+(\.[0-9]+)?\)$" <<<"$depends_lines" \
    || fail "Depends lacks '$pkg (>= 6.x)'"
done
# Printing talks to CUPS through libcups.
depends_on libcups2 || fail "Depends lacks libcups2"
depends_on fonts-ipafont-gothic || fail "Depends lacks fonts-ipafont-gothic"

# Every library the executable links must come from a package it depends on.
arch=$(field Architecture)
dpkg-deb -x "$deb" "$tmp/root"
exe="$tmp/root/usr/bin/godojoken"
while read -r soname; do
  owners=$(dpkg -S "*/$soname" 2>/dev/null | grep ":$arch: " | cut -d: -f1 | sort -u || true)
  [ -n "$owners" ] || { fail "no installed package provides $soname"; continue; }
  found=0
  for owner in $owners; do depends_on "$owner" && found=1; done
  [ "$found" -eq 1 ] || fail "$soname comes from ${owners//$'\n'/ }, which is not in Depends"
done < <(sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' <<<"$(readelf -d "$exe")")

# --- contents ----------------------------------------------------------------
[ -x "$exe" ] || fail "usr/bin/godojoken is missing or not executable"
# (grep reads whole captured texts: with pipefail, grep -q closing a pipe early
# would fail the writer.)
dynamic=$(readelf -d "$exe")
grep -Eq '\((RPATH|RUNPATH)\)' <<<"$dynamic" && fail "the installed executable carries a library search path"
grep -q ', stripped' <<<"$(file "$exe")" || fail "the installed executable is not stripped"
for pair in \
  "usr/share/applications/$app_id.desktop:data/$app_id.desktop" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg:data/$app_id.svg" \
  "usr/share/metainfo/$app_id.metainfo.xml:data/$app_id.metainfo.xml" \
  "usr/share/doc/godojoken/copyright:LICENSE"; do
  installed=${pair%%:*} original=${pair#*:}
  if [ ! -f "$tmp/root/$installed" ]; then fail "$installed is missing"
  elif ! cmp -s "$tmp/root/$installed" "$source/$original"; then fail "$installed differs from $original"
  fi
done
# The metainfo, its launchable desktop entry and the tree around them, together.
appstreamcli validate-tree --no-net "$tmp/root" >"$tmp/tree.log" 2>&1 \
  || { fail "appstreamcli validate-tree"; cat "$tmp/tree.log" >&2; }

# --- the unpacked program starts on a display of its own ---------------------
if [ "$failures" -eq 0 ]; then
  mkdir -m 0700 "$tmp/runtime"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do grep -q . "$tmp/display" 2>/dev/null && break; sleep 0.1; done
  display=":$(head -n1 "$tmp/display")"
  [ "$display" != ":" ] || { cat "$tmp/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }

  # The Qt libraries are the system's: no library path, no plugin path.
  env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM \
    DISPLAY="$display" XDG_RUNTIME_DIR="$tmp/runtime" "$exe" >"$tmp/app.log" 2>&1 &
  app_pid=$!

  window=""
  for _ in $(seq 100); do
    window=$(DISPLAY="$display" xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    fail "no window of the unpacked program within 10 s"; cat "$tmp/app.log" >&2
  else
    title=$(DISPLAY="$display" xdotool getwindowname "$window")
    [ "$title" = "$caption" ] || fail "window title is '$title'"
    # Docks match the window to its desktop entry by the window class.
    wm_class=$(DISPLAY="$display" xprop -id "$window" WM_CLASS)
    startup_class=$(sed -n 's/^StartupWMClass=//p' "$tmp/root/usr/share/applications/$app_id.desktop")
    grep -q ", \"$startup_class\"\$" <<<"$wm_class" \
      || fail "window class ($wm_class) does not match StartupWMClass=$startup_class"
    echo "window $window: '$title', $wm_class"
  fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb"): ok"
