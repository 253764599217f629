#!/usr/bin/env bash
# Proves that the build is reproducible: builds the wizard of this checkout a
# second time, from a copy in another folder with its own 7-Zip library and
# libpng, and compares the wizard, its payload archive and the 7-Zip library
# byte for byte with those of the given build trees. Fails on any difference.
#   tools/reproducible-check.sh <build tree>...   (e.g. build/x86_64 build/i686)
# The trees are brought up to date first. The third-party sources that the
# trees' tools/deps.sh fetched, and its payload packer (whose own bytes do not
# reach the archive), are reused; the rest is built again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# -gt 0 ] || { echo "usage: tools/reproducible-check.sh <build tree>..." >&2; exit 2; }
started=$SECONDS

cache_value() { sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"; }

trees=() arches=()
for tree in "$@"; do
  tree=$(cd "$tree" && pwd)
  toolchain=$(cache_value "$tree" CMAKE_TOOLCHAIN_FILE)
  arch=${toolchain##*/toolchain-}
  trees+=("$tree") arches+=("${arch%-w64-mingw32.cmake}")
done
deps=$(cache_value "${trees[0]}" LARKVIEW_DEPS)
for tree in "${trees[@]}"; do
  cmake --build "$tree" --target LarkviewSetup >/dev/null
done

work=$(mktemp -d "${TMPDIR:-/tmp}/larkview-second-build.XXXXXX")
keep=0
trap '[ $keep = 1 ] || rm -rf "$work"' EXIT
copy=$work/a/second/checkout
mkdir -p "$copy" "$work/deps"
# The same sources: the files git knows (committed or not) as they are now.
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf -) | tar -xf - -C "$copy"
# The copy has no history: the payload's file times come from this commit.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
cp -R "$deps/src" "$deps/host" "$work/deps/"
LARKVIEW_DEPS=$work/deps "$copy/tools/deps.sh" "${arches[@]}" >/dev/null

failures=0
compare() {
  if cmp -s "$1" "$2"; then
    echo "same      $1"
  else
    echo "DIFFERENT $1 and $2: $(cmp -l "$1" "$2" 2>/dev/null | wc -l) bytes differ, first: $(cmp "$1" "$2" 2>&1 | head -n 1)"
    failures=$((failures + 1))
  fi
}
for i in "${!trees[@]}"; do
  tree=${trees[$i]} arch=${arches[$i]} second=$copy/build/${arches[$i]}
  cmake -S "$copy" -B "$second" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DLARKVIEW_DEPS="$work/deps" >/dev/null
  cmake --build "$second" --target LarkviewSetup >/dev/null
  compare "$deps/$arch/7zip/7z.dll" "$work/deps/$arch/7zip/7z.dll"
  compare "$tree/resources/payload/Larkview.7z" "$second/resources/payload/Larkview.7z"
  compare "$tree/app/LarkviewSetup.exe" "$second/app/LarkviewSetup.exe"
done
echo "second build and comparison took $((SECONDS - started)) s"
if [ $failures -ne 0 ]; then
  echo "FAIL: $failures files differ between the two builds; the second build stays in $work"
  keep=1
  exit 1
fi
echo "ok: both builds are byte-identical"
