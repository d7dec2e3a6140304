#!/usr/bin/env bash
# Runs scripts/make-screenshots into a temporary folder and checks that it
# writes the seven pictures of the lesson, each the size of the window, as
# the program that writes the lesson's tables gives it.
# usage: check_screenshots.sh SCRIPT BUILD_DIR LESSON_TABLES
set -euo pipefail

script=$1
build=$2
window=$("$3" | python3 -c 'import json, sys; w = json.load(sys.stdin)["window"]; print("%dx%d" % (w["width"], w["height"]))')
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$script" --no-build --build-dir "$build" --out "$out"

status=0
for name in step1-start step2-katei step3-turned step4-conclusion step5-sankaku step6-henkaku step7-godo; do
  file=$out/$name.png
  if [ ! -f "$file" ]; then
    echo "missing: $name.png"
    status=1
    continue
  fi
  size=$(identify -format '%wx%h' "$file")
  if [ "$size" != "$window" ]; then
    echo "$name.png is $size, not $window"
    status=1
  fi
done
count=$(find "$out" -type f | wc -l)
if [ "$count" -ne 7 ]; then
  echo "expected 7 files, found $count"
  status=1
fi
exit $status
