#!/usr/bin/env bash
# Runs one browser suite with node's test runner: run-browser-tests.sh FILE…
# With --install, installs the pinned test tools (npm ci) unless they are in
# place already. Exits 77 (skipped) when emcc or chromium is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
chromium=${GODO_CHROMIUM:-/usr/bin/chromium}

if ! command -v emcc >/dev/null 2>&1 || [ ! -x "$chromium" ]; then
  echo "skipped: the browser tests need emcc and $chromium (scripts/install-deps installs them)"
  exit 77
fi

if [ "${1:-}" = --install ]; then
  stamp=$here/node_modules/.godo-package-lock.json
  if cmp -s "$here/package-lock.json" "$stamp"; then
    echo "test tools in place ($(cd "$here" && node -p 'require("./package-lock.json").packages["node_modules/puppeteer-core"].version'))"
    exit 0
  fi
  cd "$here"
  npm ci --no-audit --no-fund
  cp package-lock.json "$stamp"
  exit 0
fi

page=${GODO_WEB_DIR:?GODO_WEB_DIR names the folder of the browser build}/godojoken.html
if [ ! -f "$page" ]; then
  echo "no $page: build it with make web"
  exit 1
fi
cd "$here"
exec node --test "$@"
