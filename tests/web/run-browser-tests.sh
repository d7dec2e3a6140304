#!/usr/bin/env bash
# Runs one browser suite with node's test runner: run-browser-tests.sh FILE…
# With --install, installs the pinned test tools (npm ci) unless they are in
# place already. The suites run in chromium, unless GODO_ENGINE names the
# engine (chromium, firefox or webkit). Exits 77 (skipped) when emcc or the
# engine is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

case ${GODO_ENGINE:-chromium} in
  chromium) needs=("${GODO_CHROMIUM:-/usr/bin/chromium}") ;;
  firefox) needs=("${GODO_FIREFOX:-/usr/bin/firefox-esr}") ;;
  # MiniBrowser has no headless mode: it runs under an X server of its own.
  webkit) needs=("${GODO_WEBKIT_DRIVER:-/usr/bin/WebKitWebDriver}"
                 "${GODO_MINIBROWSER:-/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser}"
                 /usr/bin/Xvfb /usr/bin/xdotool /usr/bin/stdbuf) ;;
  *) echo "GODO_ENGINE=$GODO_ENGINE: not chromium, firefox or webkit"; exit 1 ;;
esac
command -v emcc >/dev/null 2>&1 || needs+=(emcc)
for f in "${needs[@]}"; do
  if [ "$f" = emcc ] || [ ! -x "$f" ]; then
    echo "skipped: the browser tests need $f (scripts/install-deps installs it)"
    exit 77
  fi
done

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

page=${GODO_WEB_DIR:?GODO_WEB_DIR names the folder of the browser build}/testing/godojoken.html
if [ ! -f "$page" ]; then
  echo "no $page: build it with make web"
  exit 1
fi
cd "$here"
exec node --test "$@"
