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

source scripts/apt.sh

missing_of() {  # package...: prints those not installed
  local p
  for p in "$@"; do
    LC_ALL=C dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# Whether this machine's kernel runs 32-bit x86 code: a tiny static 32-bit
# program (an ELF header, one program header and "exit(42)") must return 42.
# Where the kernel refuses such code, 32-bit Wine would break the 64-bit one
# too, so it is not installed there. TIRVANE_NO_32BIT=1 makes the probe
# fail, to try the suite as such a machine runs it. Given a runner
# (qemu-i386), the probe runs under it instead and is always tried.
probe_32bit() {  # [runner]
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
  if [ $# -eq 0 ] && [ "${TIRVANE_NO_32BIT:-0}" = 1 ]; then return 1; fi
  local status=0
  "$@" "$probe" 2>/dev/null || status=$?
  [ $status -eq 42 ]
}

# The 32-bit part is optional: the unit tests and the wallpaper fuzzer built
# as 32-bit code (natively, or under qemu-i386 where the kernel refuses
# 32-bit code), and 32-bit Wine for the 32-bit program where it does not.
# Qemu's binfmt registration (a recommended package, never installed here)
# would make the probe pass on a kernel that refuses 32-bit code.
unit32_packages=(g++-multilib libgtest-dev:i386 libjpeg62-turbo-dev:i386 liblhasa-dev:i386)
if probe_32bit; then
  kernel_32bit=yes
  wine32_packages=(wine32:i386)
else
  kernel_32bit=no
  if [ "${TIRVANE_NO_32BIT:-0}" = 1 ]; then
    kernel_reason="TIRVANE_NO_32BIT=1: tried as a machine that runs no 32-bit x86 code"
  else
    kernel_reason="this machine runs no 32-bit x86 code"
  fi
  unit32_packages+=(qemu-user)
  wine32_packages=()
fi

# Sources of the dependencies come from Debian's archive: deb-src entries
# that mirror the configured binary sources.
source_fetched() {  # package
  ls -d "$deps/src/$1"-*/ >/dev/null 2>&1
}
has_deb_src() {
  grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src' /etc/apt/sources.list
}

mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing32 < <(missing_of "${unit32_packages[@]}" "${wine32_packages[@]}")
update=no
# The 32-bit packages come from Debian's i386 architecture; without root
# they are left out, as any other failure of the optional part.
if [ "$(id -u)" = 0 ] && ! LC_ALL=C dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  update=yes
fi
if ! { source_fetched libjpeg-turbo && source_fetched lhasa; } && ! has_deb_src; then
  need_root
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/tirvane-src.sources
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/tirvane-src.list
  fi
  update=yes
fi
if [ $update = yes ] || [ ${#missing[@]} -gt 0 ]; then
  need_root
  apt_update
elif [ ${#missing32[@]} -gt 0 ] && [ "$(id -u)" = 0 ]; then
  apt_update
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_install "${missing[@]}"
fi

# What the 32-bit part can do here, for the build and the tests, in
# build/deps/runs-32bit (scripts/runs-32bit.sh reads it).
try_32bit() {  # what log package...: prints "yes" or why not
  local what=$1 log=$2 need
  shift 2
  mapfile -t need < <(missing_of "$@")
  if [ ${#need[@]} -eq 0 ]; then
    echo yes
    return
  fi
  if [ "$(id -u)" != 0 ]; then
    echo "no: installing ${need[*]} needs root"
    return
  fi
  echo "setup: installing the 32-bit $what: ${need[*]}" >&2
  if apt_try_install "$deps/$log" "${need[@]}"; then
    echo yes
  else
    echo "setup: the 32-bit $what could not be installed, so its tests will be skipped: $APT_REASON (apt's output: build/deps/$log)" >&2
    echo "no: apt-get could not install ${need[*]}: $APT_REASON"
  fi
}
unit32=$(try_32bit "unit tests" apt-unit32.log "${unit32_packages[@]}")
if [ "$unit32" = yes ]; then
  if [ $kernel_32bit = yes ]; then
    linux32=kernel
  elif probe_32bit qemu-i386; then
    linux32=qemu
  else
    linux32="no: $kernel_reason, and qemu-i386 does not run it either"
  fi
else
  linux32=$unit32
fi
if [ $kernel_32bit = yes ]; then
  wine32=$(try_32bit "Wine" apt-wine32.log "${wine32_packages[@]}")
else
  wine32="no: $kernel_reason"
  echo "setup: $kernel_reason: 32-bit Wine is not installed and the 32-bit program's tests will be skipped"
fi
state=$(printf 'linux: %s\nwine: %s\n' "$linux32" "$wine32")
# Rewritten only when it changes: the native build reconfigures on it.
[ "$(cat "$deps/runs-32bit" 2>/dev/null)" = "$state" ] || printf '%s\n' "$state" > "$deps/runs-32bit"

if ! LC_ALL=C locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  need_root
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi

fetch_source() {  # package
  local pkg=$1
  mkdir -p "$deps/src"
  source_fetched "$pkg" || (cd "$deps/src" && apt-get source -q "$pkg")
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
