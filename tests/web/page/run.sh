#!/usr/bin/env bash
# Runs the page tests against an assembled site folder in each engine the
# page's visitors have: Debian's Chromium (playwright-core), WebKit (Debian's
# WebKitWebDriver and MiniBrowser) and Firefox ESR (puppeteer-core over
# WebDriver BiDi), with the packages package-lock.json pins. Every engine
# runs, even after one fails. The pins run on Debian 12's own Node 18:
# playwright-core 1.62 and later want Node 20.
#
#   tests/web/page/run.sh SITE_DIR [ENGINE...]
set -euo pipefail
site=$(cd "$1" && pwd)
shift
engines=("$@")
[ ${#engines[@]} -gt 0 ] || engines=(chromium webkit firefox)
cd "$(dirname "$0")"
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
failed=()
for engine in "${engines[@]}"; do
  echo "== $engine"
  MARELTO_ENGINE=$engine MARELTO_SITE=$site \
    node --test --test-reporter=tap page.test.mjs || failed+=("$engine")
done
[ ${#failed[@]} -eq 0 ] || { echo "page tests failed in: ${failed[*]}" >&2; exit 1; }
