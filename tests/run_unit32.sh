#!/usr/bin/env bash
# Runs the unit tests built as 32-bit code (build/native32), where every
# size the portable code computes in std::size_t is 32 bits wide: natively
# where the kernel runs 32-bit code, under qemu-i386 where it does not.
set -euo pipefail
root=$1
source "$root/scripts/runs-32bit.sh"
tests=$root/build/native32/unit_tests
how=$(runs_32bit "$root" linux)
[[ $how != no:* ]] || { echo "skipped: ${how#no: }"; exit 77; }
[ -x "$tests" ] || { echo "FAIL: $tests was not built"; exit 1; }
cd "$root/build/native32"
# AddressSanitizer keeps up to 256 MB of freed memory aside by default; in a
# 32-bit address space, beside its shadow, that ran out during the resampler
# test (seen under user-mode emulation). 8 MB still catches a use after free
# that follows soon after the free.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=8
echo "32-bit code runs here: $how"
run_32bit "$root" "$tests" --gtest_brief=1
