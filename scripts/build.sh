#!/usr/bin/env bash
# Builds the native unit tests, both Windows programs and the sample pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

configure() {  # folder, cmake arguments...
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

configure build/x86_64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/x86_64-w64-mingw32.cmake"
configure build/i686 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake"
configure build/native -DCMAKE_BUILD_TYPE=Debug -DTIRVANE_WINDOWS_BUILD="$root/build/x86_64"

dirs=(build/native build/x86_64 build/i686)
# The unit tests again as 32-bit code, where the machine can run it (by its
# kernel or under qemu-i386).
source scripts/runs-32bit.sh
if [[ $(runs_32bit "$root" linux) != no:* ]]; then
  configure build/native32 -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE="$root/cmake/native-m32.cmake"
  dirs+=(build/native32)
fi

for dir in "${dirs[@]}"; do
  cmake --build "$dir"
done
bash scripts/make-samples.sh build/samples
