#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, then builds the
# third-party libraries for the Windows targets from Debian source packages:
#   - 7-Zip's extract-only 7z library (7z.dll) and, with --with-7zr, the
#     library's own console program 7zr.exe (for the extraction benchmark);
#   - a static, read-only libpng against Debian's MinGW zlib, configured by
#     tools/libpng/read-only.dfa to what the wizard's pictures need;
#   - the payload packer: the same 7-Zip's console program for this host,
#     seeded for reproducible archives (tools/7zip/seeded-randgen.patch).
# Outputs land in $LARKVIEW_DEPS (default: build/deps of the checkout), one
# folder per architecture. Every step leaves a stamp, so a second run does
# nothing.
#
# Usage: tools/deps.sh [--with-7zr] [x86_64] [i686]   (default: both)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=${LARKVIEW_DEPS:-$root/build/deps}
sevenzip_version='22.01+really26.02+dfsg-0+deb12u1'
libpng_version='1.6.39-2+deb12u5'

packages=(
  cmake ninja-build make dpkg-dev python3
  mingw-w64 mingw-w64-tools g++-mingw-w64-x86-64 g++-mingw-w64-i686
  libz-mingw-w64-dev libgtest-dev
  wine wine64 xvfb xauth xdotool x11-utils imagemagick fonts-wqy-microhei locales
  7zip liblnk-utils optipng
  clang libclang-rt-14-dev zlib1g-dev
  osslsigncode openssl g++ patch
)

with_7zr=0
arches=()
for arg in "$@"; do
  case $arg in
    --with-7zr) with_7zr=1 ;;
    x86_64|i686) arches+=("$arg") ;;
    *) echo "deps.sh: unknown argument '$arg'" >&2; exit 2 ;;
  esac
done
[ ${#arches[@]} -gt 0 ] || arches=(x86_64 i686)

log() { printf 'deps: %s\n' "$*"; }

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  log "installing ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Wine takes the ANSI code page from the locale: without a generated
# zh_CN.UTF-8 it silently falls back to 1252.
generate_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return
  log "generating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

enable_source_packages() {
  local list=/etc/apt/sources.list.d/debian.sources
  local src=/etc/apt/sources.list.d/larkview-src.sources
  if grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src' /etc/apt/sources.list; then
    return
  fi
  log "adding a deb-src entry"
  sed 's/^Types: deb$/Types: deb-src/' "$list" > "$src"
  apt-get update -q
}

fetch_sources() {
  local dir=$deps/src
  [ -f "$dir/.fetched" ] && return
  enable_source_packages
  mkdir -p "$dir"
  (
    cd "$dir"
    apt-get source --download-only "7zip=$sevenzip_version" "libpng1.6=$libpng_version"
    rm -rf 7zip libpng
    dpkg-source -x "7zip_$sevenzip_version.dsc" 7zip
    dpkg-source -x "libpng1.6_$libpng_version.dsc" libpng
  )
  touch "$dir/.fetched"
}

# 7-Zip's gcc makefiles cross-compile with these variables.
sevenzip_make() {
  local arch=$1 objdir=$2; shift 2
  local triplet=$arch-w64-mingw32
  local archvars=(IS_X64=1 PLATFORM=x64)
  [ "$arch" = i686 ] && archvars=(IS_X86=1 PLATFORM=x86)
  make -j"$(nproc)" -f makefile.gcc IS_MINGW=1 MSYSTEM=1 "${archvars[@]}" \
    CC="$triplet-gcc" CXX="$triplet-g++" CROSS_COMPILE="$triplet-" \
    RC="$triplet-windres" O="$objdir" "$@"
}

build_7z_library() {
  local arch=$1 out=$deps/$arch/7zip
  [ -f "$out/.built-reproducible" ] && return
  log "building 7z.dll for $arch"
  local bundle=$deps/src/7zip/CPP/7zip/Bundles/Format7zExtract
  cp "$root/tools/7zip/Format7zExtract.mak" "$bundle/makefile.gcc"
  rm -rf "$deps/$arch/obj-7zxa" "$out"
  mkdir -p "$out"
  # Two builds give the same bytes: no link time stamp in the PE headers, and
  # an image base that does not follow from the output path.
  (cd "$bundle" && sevenzip_make "$arch" "$deps/$arch/obj-7zxa" \
    LDFLAGS_STATIC_3='-Wl,--no-insert-timestamp -Wl,--disable-auto-image-base') \
    >"$deps/$arch/7zxa.log" 2>&1 ||
    { tail -n 30 "$deps/$arch/7zxa.log"; return 1; }
  # strip writes the current time into the PE header unless SOURCE_DATE_EPOCH
  # names another.
  SOURCE_DATE_EPOCH=0 "$arch-w64-mingw32-strip" -o "$out/7z.dll" "$deps/$arch/obj-7zxa/7zxa.dll"
  cp "$deps/src/7zip/DOC/License.txt" "$out/License.txt"
  touch "$out/.built-reproducible"
}

build_7zr() {
  local arch=$1 out=$deps/$arch/7zip
  [ -f "$out/.7zr-built" ] && return
  log "building 7zr.exe for $arch"
  rm -rf "$deps/$arch/obj-7zr"
  (cd "$deps/src/7zip/CPP/7zip/Bundles/Alone7z" && sevenzip_make "$arch" "$deps/$arch/obj-7zr") \
    >"$deps/$arch/7zr.log" 2>&1 || { tail -n 30 "$deps/$arch/7zr.log"; return 1; }
  "$arch-w64-mingw32-strip" -o "$out/7zr.exe" "$deps/$arch/obj-7zr/7zr.exe"
  touch "$out/.7zr-built"
}

# Debian's 7zz draws the salt and IVs of its 7zAES coder from /dev/urandom,
# the process id and the clock, so no two payload archives are alike. The
# packer built here from a copy of the same source derives them from
# SOURCE_DATE_EPOCH when that is set.
build_host_packer() {
  local out=$deps/host/7zip src=$deps/host/src
  [ -f "$out/.built" ] && return
  log "building the payload packer 7zr for this host"
  rm -rf "$deps/host"
  mkdir -p "$src" "$out"
  cp -R "$deps/src/7zip/C" "$deps/src/7zip/CPP" "$src/"
  patch -d "$src" -p1 --quiet <"$root/tools/7zip/seeded-randgen.patch"
  (cd "$src/CPP/7zip/Bundles/Alone7z" && make -j"$(nproc)" -f makefile.gcc O="$deps/host/obj-7zr") \
    >"$deps/host/7zr.log" 2>&1 || { tail -n 30 "$deps/host/7zr.log"; return 1; }
  strip -o "$out/7zr" "$deps/host/obj-7zr/7zr"
  touch "$out/.built"
}

# Optimised for size: decoding the pages' pictures takes no measurably longer
# than at -O3 (most of it is zlib's inflate). Each function in a section of
# its own lets the programs' linker drop what they never call. On i686 the
# library carries no DWARF unwind tables: no C++ exception passes through its
# frames (its errors leave by longjmp, which on i686 needs no tables), while
# x86_64's longjmp unwinds through the frames by their tables. The stamp names
# the configuration, so a folder built with an earlier one is rebuilt.
build_libpng() {
  local arch=$1 out=$deps/$arch/libpng
  [ -f "$out/.built-read-only-lean" ] && return
  local cflags='-ffunction-sections -fdata-sections'
  [ "$arch" = i686 ] && cflags+=' -fno-asynchronous-unwind-tables'
  log "building libpng (read-only) for $arch"
  local sysroot=/usr/$arch-w64-mingw32
  rm -rf "$deps/$arch/obj-libpng" "$out"
  cmake -S "$deps/src/libpng" -B "$deps/$arch/obj-libpng" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_INSTALL_PREFIX="$out" \
    -DCMAKE_C_FLAGS="$cflags" \
    -DDFA_XTRA="$root/tools/libpng/read-only.dfa" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY="$sysroot/lib/libz.a" -DZLIB_INCLUDE_DIR="$sysroot/include" >/dev/null
  cmake --build "$deps/$arch/obj-libpng" >/dev/null
  cmake --install "$deps/$arch/obj-libpng" >/dev/null
  touch "$out/.built-read-only-lean"
}

install_packages
generate_locale
fetch_sources
build_host_packer
for arch in "${arches[@]}"; do
  build_7z_library "$arch"
  build_libpng "$arch"
  [ $with_7zr = 1 ] && build_7zr "$arch"
done
log "ready in $deps"
