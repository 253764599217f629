#!/usr/bin/env bash
# Installs what the build needs, builds the third-party libraries and then the
# wizard, its sample payload and the test programs for one or both
# architectures, in build/<arch>.
#   tools/build.sh [x86_64] [i686]   (default: both)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=${LARKVIEW_DEPS:-$root/build/deps}
arches=("$@")
[ ${#arches[@]} -gt 0 ] || arches=(x86_64 i686)

LARKVIEW_DEPS=$deps "$root/tools/deps.sh" "${arches[@]}"
for arch in "${arches[@]}"; do
  cmake -S "$root" -B "$root/build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DLARKVIEW_DEPS="$deps" >/dev/null
  cmake --build "$root/build/$arch"
done
