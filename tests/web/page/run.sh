#!/usr/bin/env bash
# Runs the page tests in Debian's Chromium against an assembled site folder,
# with playwright-core and axe-core as package-lock.json pins them.
#
#   tests/web/page/run.sh SITE_DIR
set -euo pipefail
site=$(cd "$1" && pwd)
cd "$(dirname "$0")"
npm ci --no-audit --no-fund --loglevel=error
MARELTO_SITE=$site node --test --test-concurrency=1 --test-reporter=dot page.test.mjs
