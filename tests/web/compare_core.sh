#!/usr/bin/env bash
# Runs the core's grid natively and as WebAssembly under node and compares
# the two outputs byte for byte; on a difference shows the first lines that
# differ.
# Usage: compare_core.sh NATIVE_GRID_PROGRAM WASM_GRID_SCRIPT
set -euo pipefail
native=$1 wasm=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$native" >"$work/native.txt"
node --no-experimental-fetch "$wasm" >"$work/wasm.txt"
cases=$(wc -l <"$work/native.txt")
if [ "$cases" -lt 700000 ]; then
  echo "core grid: only $cases cases from $native" >&2
  exit 1
fi
if ! cmp -s "$work/native.txt" "$work/wasm.txt"; then
  echo "core grid: native and WebAssembly differ:" >&2
  diff "$work/native.txt" "$work/wasm.txt" | head -n 20 >&2 || true
  exit 1
fi
echo "core grid: $cases cases, native and WebAssembly byte for byte equal"
