#!/usr/bin/env bash
# The web edition's benchmark: builds the site, installs the pinned
# playwright-core beside the page tests and runs page_load.mjs, then
# Lighthouse (pinned in lighthouse/package-lock.json) on mobile and desktop.
#
#   bench/web/run.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
site=$("$root/scripts/build-web" | tail -n 1)
(cd "$root/tests/web/page" && npm ci --no-audit --no-fund --loglevel=error)
node "$root/bench/web/page_load.mjs" "$site" "${1:-15}"
(cd "$root/bench/web/lighthouse" && npm ci --no-audit --no-fund --loglevel=error)
node "$root/bench/web/lighthouse/scores.mjs" "$site"
