#!/usr/bin/env bash
# Installs what the build needs, builds the third-party libraries and then the
# wizard, its sample payload and the test programs for one or both
# architectures, in build/<arch>.
#   tools/build.sh [x86_64] [i686]   (default: both)
# LARKVIEW_PAYLOAD_DIR names a folder of the player's files to install instead
# of the sample, LARKVIEW_ARTWORK_DIR a folder of PNGs that replace the
# artwork of the same names (relative to the current folder).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=${LARKVIEW_DEPS:-$root/build/deps}
arches=("$@")
payload=${LARKVIEW_PAYLOAD_DIR:+$(realpath "$LARKVIEW_PAYLOAD_DIR")}
artwork=${LARKVIEW_ARTWORK_DIR:+$(realpath "$LARKVIEW_ARTWORK_DIR")}
[ ${#arches[@]} -gt 0 ] || arches=(x86_64 i686)

LARKVIEW_DEPS=$deps "$root/tools/deps.sh" "${arches[@]}"
for arch in "${arches[@]}"; do
  cmake -S "$root" -B "$root/build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DLARKVIEW_DEPS="$deps" -DLARKVIEW_PAYLOAD_DIR="$payload" -DLARKVIEW_ARTWORK_DIR="$artwork" >/dev/null
  cmake --build "$root/build/$arch"
done
