#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, once.
# Every step checks first, so a second call does no work.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
deps=$root/build/deps

packages=(
  cmake ninja-build make g++ binutils pkg-config dpkg-dev xxd python3
  mingw-w64 nasm
  wine wine64 xvfb xdotool imagemagick x11-utils
  locales fonts-ipafont-gothic
  googletest libgtest-dev libjpeg62-turbo-dev libjpeg-turbo-progs
  autoconf automake libtool liblhasa-dev lhasa jlha-utils
  clang libclang-rt-14-dev
)

need_root() {
  if [ "$(id -u)" != 0 ]; then
    echo "setup: installing system packages needs root" >&2
    exit 1
  fi
}

# Whether this machine runs 32-bit x86 code: a tiny static 32-bit program
# (an ELF header, one program header and "exit(42)") must return 42. Where
# the kernel refuses such code, 32-bit Wine would break the 64-bit one too,
# so nothing 32-bit is installed there. TIRVANE_NO_32BIT=1 makes the probe
# fail, to try the suite as such a machine runs it. The answer is kept in
# build/deps/runs-32bit for the build and the tests.
probe_32bit() {
  local probe=$deps/probe32
  mkdir -p "$deps"
  local elf=
  elf+='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'   # 32-bit, little-endian
  elf+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'   # executable, i386, entry
  elf+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'
  elf+='\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08'   # one loadable segment
  elf+='\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00'
  elf+='\x00\x10\x00\x00'
  elf+='\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'   # exit(42)
  printf "$elf" > "$probe"
  chmod +x "$probe"
  [ "${TIRVANE_NO_32BIT:-0}" != 1 ] || return 1
  local status=0
  "$probe" 2>/dev/null || status=$?
  [ $status -eq 42 ]
}

if probe_32bit; then
  echo yes > "$deps/runs-32bit"
  # 32-bit Wine for the 32-bit program, and the 32-bit libraries the unit
  # tests are built against a second time.
  packages+=(wine32:i386 g++-multilib libgtest-dev:i386 libjpeg62-turbo-dev:i386 liblhasa-dev:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    need_root
    dpkg --add-architecture i386
    apt-get update -q
  fi
else
  echo no > "$deps/runs-32bit"
  echo "setup: this machine runs no 32-bit x86 code: nothing 32-bit is installed and the 32-bit tests will be skipped"
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  need_root
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  need_root
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi

# Sources of the dependencies come from Debian's archive: add deb-src entries
# that mirror the configured binary sources.
fetch_source() {  # package directory-glob
  local pkg=$1
  mkdir -p "$deps/src"
  if ! ls -d "$deps/src/$pkg"-*/ >/dev/null 2>&1; then
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
      need_root
      if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/tirvane-src.sources
      else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/tirvane-src.list
      fi
      apt-get update -q
    fi
    (cd "$deps/src" && apt-get source -q "$pkg")
  fi
}

build_libjpeg() {  # arch
  local arch=$1 out=$deps/$1
  [ -f "$out/lib/libjpeg.a" ] && return 0
  fetch_source libjpeg-turbo
  local src
  src=$(ls -d "$deps/src"/libjpeg-turbo-*/ | head -n 1)
  local bdir=$deps/build-libjpeg-$arch
  rm -rf "$bdir"
  cmake -S "$src" -B "$bdir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$arch-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=ON -DREQUIRE_SIMD=ON >/dev/null
  cmake --build "$bdir" --target jpeg-static >/dev/null
  mkdir -p "$out/lib" "$out/include"
  cp "$bdir/libjpeg.a" "$out/lib/libjpeg.a"
  cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$bdir/jconfig.h" "$out/include/"
  rm -rf "$bdir"
  echo "setup: libjpeg-turbo built for $arch"
}

build_libjpeg x86_64
build_libjpeg i686

# lhasa's tarball has no configure script: it is made here, in a copy of the
# unpacked source, and only the library is built.
build_lhasa() {  # arch
  local arch=$1 out=$deps/$1
  [ -f "$out/lib/liblhasa.a" ] && return 0
  fetch_source lhasa
  local src
  src=$(ls -d "$deps/src"/lhasa-*/ | head -n 1)
  local bdir=$deps/build-lhasa-$arch
  rm -rf "$bdir"
  cp -r "$src" "$bdir"
  (
    cd "$bdir"
    mkdir -p autotools
    aclocal && libtoolize && autoheader && automake -a && autoconf && automake -a
    ./configure -q --host="$arch-w64-mingw32" --disable-shared --enable-static
    make -s -C lib liblhasa.la
  ) >/dev/null 2>&1 || { echo "setup: building lhasa for $arch failed" >&2; exit 1; }
  mkdir -p "$out/lib" "$out/include/liblhasa-1.0"
  cp "$bdir/lib/.libs/liblhasa.a" "$out/lib/liblhasa.a"
  cp "$bdir"/lib/public/*.h "$out/include/liblhasa-1.0/"
  rm -rf "$bdir"
  echo "setup: lhasa built for $arch"
}

build_lhasa x86_64
build_lhasa i686
