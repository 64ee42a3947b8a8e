#!/usr/bin/env bash
# Runs the unit tests built as 32-bit code (build/native32), where every
# size the portable code computes in std::size_t is 32 bits wide.
set -euo pipefail
root=$1
if [ "$(cat "$root/build/deps/runs-32bit" 2>/dev/null)" != yes ]; then
  echo "skipped: this machine runs no 32-bit x86 code"
  exit 77
fi
tests=$root/build/native32/unit_tests
[ -x "$tests" ] || { echo "FAIL: $tests was not built"; exit 1; }
cd "$root/build/native32"
# AddressSanitizer keeps up to 256 MB of freed memory aside by default; in a
# 32-bit address space, beside its shadow, that ran out during the resampler
# test (seen under user-mode emulation). 8 MB still catches a use after free
# that follows soon after the free.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=8
"$tests" --gtest_brief=1
