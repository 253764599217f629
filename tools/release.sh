#!/usr/bin/env bash
# Builds a release of the committed sources into dist/ (or the given folder):
#   LarkviewSetup.exe      the 32-bit wizard: the download for users
#   LarkviewSetup-x64.exe  its 64-bit twin, the build the tests run
#   7-Zip-License.txt      the licence of the 7-Zip library both carry
#   SHA256SUMS
# Both wizards are built in clean trees under build/release, checked
# statically (machine, subsystem, imports, manifest, resources), and signed
# last when a certificate is given (LARKVIEW_SIGN_PKCS12 and
# LARKVIEW_SIGN_PASSWORD, see tools/sign.sh).
#   tools/release.sh [dist folder]
# LARKVIEW_PAYLOAD_DIR and LARKVIEW_ARTWORK_DIR name the publisher's player
# folder and pictures, as for tools/build.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dist=${1:-$root/dist}
deps=${LARKVIEW_DEPS:-$root/build/deps}
payload=${LARKVIEW_PAYLOAD_DIR:+$(realpath "$LARKVIEW_PAYLOAD_DIR")}
artwork=${LARKVIEW_ARTWORK_DIR:+$(realpath "$LARKVIEW_ARTWORK_DIR")}

# What ships must be reproducible from a commit.
if [ -n "$(git -C "$root" status --porcelain)" ]; then
  echo "release.sh: the checkout has uncommitted changes; commit them first" >&2
  exit 1
fi

LARKVIEW_DEPS=$deps "$root/tools/deps.sh" x86_64 i686
for arch in x86_64 i686; do
  tree=$root/build/release/$arch
  rm -rf "$tree"
  cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DLARKVIEW_DEPS="$deps" -DLARKVIEW_PAYLOAD_DIR="$payload" -DLARKVIEW_ARTWORK_DIR="$artwork" >/dev/null
  cmake --build "$tree" --target LarkviewSetup
done

rm -rf "$dist"
mkdir -p "$dist"
cp "$root/build/release/i686/app/LarkviewSetup.exe" "$dist/LarkviewSetup.exe"
cp "$root/build/release/x86_64/app/LarkviewSetup.exe" "$dist/LarkviewSetup-x64.exe"
cp "$deps/i686/7zip/License.txt" "$dist/7-Zip-License.txt"

python3 "$root/tests/release/check_twin.py" "$dist/LarkviewSetup.exe" "$dist/LarkviewSetup-x64.exe"
python3 "$root/tests/foundation/check_imports.py" i686-w64-mingw32-objdump "$dist/LarkviewSetup.exe"
python3 "$root/tests/foundation/check_imports.py" x86_64-w64-mingw32-objdump "$dist/LarkviewSetup-x64.exe"

if [ -n "${LARKVIEW_SIGN_PKCS12:-}" ]; then
  "$root/tools/sign.sh" "$dist/LarkviewSetup.exe" "$dist/LarkviewSetup-x64.exe"
else
  echo "release.sh: LARKVIEW_SIGN_PKCS12 is not set: the wizards are NOT signed" >&2
fi
(cd "$dist" && sha256sum LarkviewSetup.exe LarkviewSetup-x64.exe 7-Zip-License.txt >SHA256SUMS)
echo "release in $dist:"
cat "$dist/SHA256SUMS"
