#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, once.
# Every step checks first, so a second call does no work.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
deps=$root/build/deps

packages=(
  cmake ninja-build make g++ binutils pkg-config dpkg-dev xxd
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
