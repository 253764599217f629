# Shared by the benchmark kinds' run.sh (sourced): the x86_64 build tree and
# its Wine harness. Sets root, tree and LARKVIEW_DEPS.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LARKVIEW_DEPS=${LARKVIEW_DEPS:-$root/build/deps}
tree=$root/build/x86_64

# bench_build <deps.sh arguments...> -- <targets...>
bench_build() {
  local deps_args=()
  while [ "$1" != -- ]; do deps_args+=("$1"); shift; done
  shift
  "$root/tools/deps.sh" "${deps_args[@]}" x86_64
  cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
    -DLARKVIEW_DEPS="$LARKVIEW_DEPS" >/dev/null
  cmake --build "$tree" --target "$@"
}

# The Windows path of a host path (Wine maps the host's root to Z:).
win() { printf 'Z:%s' "${1//\//\\}"; }

# The harness (wineserver, X server) is stopped at the end
# (bench_stop_harness) unless a test run had it going already.
bench_harness_was_up=0
[ -f "$tree/wine/xvfb.pid" ] && kill -0 "$(cat "$tree/wine/xvfb.pid")" 2>/dev/null && bench_harness_was_up=1
bench_stop_harness() { [ $bench_harness_was_up = 1 ] || "$root/tools/wine-harness.sh" stop "$tree"; }
