#!/usr/bin/env bash
# Runs the 32-bit build (build/i686) under emulation, since this host runs no
# 32-bit programs natively: qemu's user emulation of i386, built from Debian's
# source with two fixes (tools/i686-emu/qemu-*.patch), carries Debian's 32-bit
# Wine, unpacked into build/i686-emu (the machine's own packages stay as they
# are), with one WINEARCH=win32 prefix. In that prefix it checks
#   - the payload extracted by the adapter through the 32-bit 7z.dll,
#   - the install steps that depend on the platform (the running-program
#     stopper, the registry records, the shortcuts),
#   - the 32-bit wizard driven through its default install.
# It prints one line per check and last "i686 checks: N passed, M failed".
#   tools/check-i686.sh          set up (the first time most of an hour), check
#   tools/check-i686.sh GROUP... only these of the checks: emulator (the
#                                emulator's own thread and memory probes),
#                                adapter, install, wizard
#   tools/check-i686.sh setup    set up only
#   tools/check-i686.sh wine PROGRAM [ARGUMENTS]
#                                run one program in the prefix (to look into a
#                                failure by hand; LARKVIEW_WINEDEBUG, when
#                                set, becomes WINEDEBUG)
# The one step outside build/ is system-wide: the kernel's binfmt_misc entry
# that hands i386 programs to qemu (Wine starts its own 32-bit helpers, so they
# must start directly). The script registers it only when no i386 entry is
# there, and removes what it registered when it ends.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
emu=$root/build/i686-emu
tree=$root/build/i686
sysroot=$emu/sysroot
qemu=$emu/qemu/qemu-i386
qemu_dev=$emu/qemu-dev
apt_dir=$emu/apt
binfmt=/proc/sys/fs/binfmt_misc
binfmt_name=larkview-i386

log() { echo "check-i686: $*" >&2; }

# --- setup -----------------------------------------------------------------

# apt with a state of its own: it reads Debian's lists for amd64 and i386 and
# resolves against an empty status, so it lists every i386 package Wine needs
# and touches nothing of the machine's apt or dpkg.
private_apt() {
  apt-get -q -o APT::Architectures::=amd64 -o APT::Architectures::=i386 \
    -o Dir::State="$apt_dir/state" -o Dir::State::status="$apt_dir/status" \
    -o Dir::Cache="$apt_dir/cache" -o Dir::Etc::SourceList="$apt_dir/sources.list" \
    -o Dir::Etc::SourceParts="$apt_dir/sources.list.d" -o Debug::NoLocking=1 \
    -o APT::Sandbox::User=root "$@"
}

setup_apt() {
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg lists
  lists=$(cat <<EOF
deb [arch=amd64,i386 signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb [arch=amd64,i386 signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb [arch=amd64,i386 signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
EOF
)
  # A set-up made with other lists (before qemu came from source) reads again.
  [ -f "$apt_dir/.ready" ] && [ "$(cat "$apt_dir/sources.list")" = "$lists" ] && return
  rm -f "$apt_dir/.ready"
  mkdir -p "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
  : >"$apt_dir/status"
  echo "$lists" >"$apt_dir/sources.list"
  log "reading Debian's package lists (private apt state in $apt_dir)"
  # A mirror in the middle of a sync serves lists that fail their checks,
  # sometimes for hours; apt then goes on without them, and so does this when
  # a second try fails too (an update list missing means older packages).
  if ! private_apt update >/dev/null; then
    log "some package lists failed to download; again in a minute"
    sleep 60
    private_apt update >/dev/null || log "going on without the lists that failed"
  fi
  touch "$apt_dir/.ready"
}

# Downloads a package list's .debs into $1 and unpacks them into $2.
fetch_and_unpack() {
  local debs=$1 dest=$2
  shift 2
  mkdir -p "$debs" "$dest"
  (cd "$debs" && private_apt download "$@" >/dev/null)
  local deb
  for deb in "$debs"/*.deb; do
    dpkg-deb -x "$deb" "$dest"
  done
}

# The packages that building qemu needs and this machine lacks, unpacked into
# $qemu_dev (resolved against the machine's package status, which apt only
# reads), with their pkg-config files pointed there.
setup_qemu_build_deps() {
  [ -f "$qemu_dev/.ready" ] && return
  rm -rf "$qemu_dev" "$emu/debs-qemu-dev"
  local packages
  packages=$(private_apt -o Dir::State::status=/var/lib/dpkg/status install -o APT::Install-Recommends=0 \
    --print-uris -qq -y meson libglib2.0-dev pkgconf |
    awk '$2 ~ /\.deb$/ { split($2, part, "_"); print part[1] }')
  if [ -n "$packages" ]; then
    # shellcheck disable=SC2086 # one word per package
    fetch_and_unpack "$emu/debs-qemu-dev" "$qemu_dev" $packages
  fi
  mkdir -p "$qemu_dev"
  local pc
  for pc in "$qemu_dev"/usr/lib/x86_64-linux-gnu/pkgconfig/*.pc "$qemu_dev"/usr/share/pkgconfig/*.pc; do
    [ -f "$pc" ] && sed -i "s|^prefix=/usr\$|prefix=$qemu_dev/usr|" "$pc"
  done
  touch "$qemu_dev/.ready"
}

# qemu's user emulation of i386, built from Debian's source with two changes
# (tools/i686-emu/qemu-*.patch, each says why): each thread gets its own
# thread-local descriptors, and the emulated addresses are the process's own
# (a guest base of 0) even where the kernel's floor for mappings lies above
# vm.mmap_min_addr. Debian's build has neither, and Wine's threads and its
# reads of another process's memory fail under it.
setup_qemu() {
  [ -x "$qemu" ] && return
  setup_qemu_build_deps
  local src=$emu/qemu-src build=$emu/qemu-build
  log "building qemu's i386 user emulation from Debian's source into $emu/qemu (about a minute)"
  rm -rf "$src" "$build"
  mkdir -p "$src" "$build"
  (cd "$src" && private_apt source --download-only qemu >/dev/null)
  # apt checked the files against Debian's signed lists; the .dsc's own
  # signature needs a keyring this machine may lack.
  dpkg-source --no-check -x "$src"/qemu_*.dsc "$src/qemu" >/dev/null
  local patch
  for patch in "$root"/tools/i686-emu/qemu-*.patch; do
    patch -d "$src/qemu" -p1 --quiet <"$patch"
  done
  (
    cd "$build"
    export PATH=$qemu_dev/usr/bin:$PATH
    export PYTHONPATH=$qemu_dev/usr/lib/python3/dist-packages
    export PKG_CONFIG_PATH=$qemu_dev/usr/lib/x86_64-linux-gnu/pkgconfig:$qemu_dev/usr/share/pkgconfig
    export LD_LIBRARY_PATH=$qemu_dev/usr/lib/x86_64-linux-gnu
    "$src/qemu/configure" --target-list=i386-linux-user --without-default-features \
      --disable-system --enable-linux-user --disable-tools --disable-docs --disable-werror \
      --meson="$qemu_dev/usr/bin/meson" >configure.log 2>&1 || { cat configure.log >&2; exit 1; }
    ninja qemu-i386 >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }
  )
  mkdir -p "$(dirname "$qemu")"
  cp "$build/qemu-i386" "$qemu"
}

# The i386 packages Wine's 32-bit loader needs, with the X extensions its X
# driver loads when present (recommended only, but windows are layered and
# alpha-blended through them).
wine32_packages() {
  private_apt install -o APT::Install-Recommends=0 --print-uris -qq -y wine32:i386 \
    libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386 \
    libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386 |
    awk '$2 ~ /_i386\.deb$/ { split($2, part, "_"); print part[1] ":i386" }'
}

setup_wine32() {
  [ -f "$sysroot/.ready" ] && return
  log "downloading and unpacking 32-bit Wine into $sysroot"
  rm -rf "$sysroot" "$emu/debs-i386"
  local packages
  packages=$(wine32_packages)
  log "$(wc -w <<<"$packages") i386 packages"
  # shellcheck disable=SC2086 # one word per package
  fetch_and_unpack "$emu/debs-i386" "$sysroot" $packages
  # libwine's install script makes Wine's zlib1.dll from MinGW's; the unpacked
  # folder never ran it.
  local in=/usr/i686-w64-mingw32/lib/zlib1.dll
  local out=$sysroot/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll
  { head -c 64 "$in"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$in"; } >"$out"
  # Without a cache of its own the emulated loader finds no FreeType.
  mkdir -p "$sysroot/etc"
  echo 'include /etc/ld.so.conf.d/*.conf' >"$sysroot/etc/ld.so.conf"
  ldconfig -r "$sysroot"
  touch "$sysroot/.ready"
}

# --- the emulated Wine -----------------------------------------------------

# Wine's scripts and the end-to-end helpers call wine, wineboot and
# wineserver by name: these run the 32-bit loader and the machine's own 64-bit
# server, which serves 32-bit programs as well.
write_wine_commands() {
  mkdir -p "$emu/bin"
  printf '#!/bin/sh\nexec "%s" "$@"\n' "$sysroot/usr/lib/wine/wine" >"$emu/bin/wine"
  printf '#!/bin/sh\nexec wine wineboot "$@"\n' >"$emu/bin/wineboot"
  ln -sf /usr/lib/wine/wineserver64 "$emu/bin/wineserver"
  chmod +x "$emu/bin/wine" "$emu/bin/wineboot"
}

use_emulated_wine() {
  export PATH=$emu/bin:$PATH
  export QEMU_LD_PREFIX=$sysroot
  # qemu's default CPU offers the AES and SHA instructions, and its emulation
  # of them gets them wrong: 7-Zip's own 32-bit 7zr.exe reports "Data error"
  # on any encrypted archive there. A CPU without them sends 7-Zip down its
  # plain code paths, as on older machines. Its two 64-bit features, which
  # qemu cannot give a 32-bit program, are off, or every start warns twice.
  export QEMU_CPU=Nehalem,-syscall,-lm
  # The emulated addresses are the process's own, as Wine's server expects
  # when it reads a program's memory (tools/i686-emu/qemu-mmap-floor.patch).
  export QEMU_GUEST_BASE=0
  export WINESERVER=/usr/lib/wine/wineserver64
  export WINEARCH=win32
  # Every wait of the tests and of the harness is this many times longer.
  export LARKVIEW_SLOWDOWN=15
  export LARKVIEW_TREE=$emu
  # shellcheck source=tools/wine-env.sh
  . "$root/tools/wine-env.sh"
}

i386_entry_registered() {
  grep -lqs '^magic 7f454c4601010100000000000000000002000300$' "$binfmt"/*
}

# The kernel's binfmt_misc table is the machine's, not this folder's. With
# the F flag the kernel opens qemu now, so the emulator starts from any mount
# namespace and Wine can start its own 32-bit helpers.
register_binfmt() {
  if [ ! -e "$binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$binfmt"
    mounted_binfmt=1
  fi
  if i386_entry_registered; then
    log "an i386 entry is in binfmt_misc already: its emulator, not $qemu, runs the checks"
    return
  fi
  log "registering $qemu for i386 programs in the kernel's binfmt_misc (system-wide; removed at the end)"
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":$binfmt_name:M::$magic:$mask:$qemu:F" >"$binfmt/register"
  registered_binfmt=1
}

unregister_binfmt() {
  if [ -n "${registered_binfmt:-}" ]; then
    echo -1 >"$binfmt/$binfmt_name"
    log "removed the binfmt_misc entry $binfmt_name"
  fi
  if [ -n "${mounted_binfmt:-}" ]; then
    umount "$binfmt"
  fi
}

finish() {
  if [ -n "${WINEPREFIX:-}" ]; then
    larkview_wine_stop || true
  fi
  unregister_binfmt
}

setup() {
  mkdir -p "$emu"
  setup_apt
  setup_qemu
  setup_wine32
  write_wine_commands
  use_emulated_wine
  register_binfmt
  if [ ! -f "$emu/wine/.prefix-ready" ]; then
    log "creating the 32-bit prefix $WINEPREFIX (about 15 minutes)"
  fi
  # The prefix's menu builder is an empty file (tools/wine-env.sh): emulated,
  # each shortcut would otherwise start it for minutes of both cores.
  larkview_wine_ready
  # Wine's debugger, which a crash starts, is an empty file as well: emulated
  # it takes a quarter of an hour to print its report, while the checks wait
  # for it.
  : >"$WINEPREFIX/drive_c/windows/system32/winedbg.exe"
  # Every new server session boots the prefix again (wineboot and the
  # services: minutes under emulation), so one server serves the whole run.
  wineserver -p
}

# --- checks ----------------------------------------------------------------

passed=0
failed=0

pass() {
  passed=$((passed + 1))
  echo "PASS $*"
}

fail() {
  failed=$((failed + 1))
  echo "FAIL $*"
}

# One line per test that a Google Test program's log shows; a test that began
# and never ended, a log with no test and a failed run fail too. A test that
# never ended names its first failed assertion, if it had one, since a crash
# that follows it leaves no summary. Sets finished_tests (the tests that
# ended) and unfinished_test.
report_gtest() {
  local label=$1 log=$2 status=$3 line name ran=0 failures=0 failed_at=
  finished_tests=()
  unfinished_test=
  while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
      '[ RUN      ] '*)
        unfinished_test=${line#'[ RUN      ] '}
        failed_at=
        ran=$((ran + 1)) ;;
      *': Failure')
        if [ -z "$failed_at" ]; then
          failed_at=${line%': Failure'}
          failed_at=${failed_at##*/}
          # Google Test's place for an exception that left the test body.
          [ "$failed_at" != 'unknown file' ] || failed_at='an exception thrown in the test body'
        fi ;;
      '[       OK ] '*' ms)')
        name=${line#'[       OK ] '}
        name=${name% (*}
        unfinished_test=
        finished_tests+=("$name")
        pass "$label: $name" ;;
      '[  FAILED  ] '*' ms)')
        name=${line#'[  FAILED  ] '}
        name=${name% (*}
        unfinished_test=
        finished_tests+=("$name")
        failures=$((failures + 1))
        fail "$label: $name$(emulator_cause "$name") (see $log)" ;;
    esac
  done <"$log"
  if [ -n "$unfinished_test" ]; then
    fail "$label: $unfinished_test did not finish${failed_at:+ after its first failure ($failed_at)}$(emulator_cause "$unfinished_test") (exit status $status$(crash_note "$log"), see $log)"
  elif [ "$ran" -eq 0 ]; then
    fail "$label: no test ran (exit status $status$(crash_note "$log"), see $log)"
  elif [ "$status" -ne 0 ] && [ "$failures" -eq 0 ]; then
    fail "$label: the program ended with status $status (see $log)"
  fi
}

# Tests that need the ToolHelp snapshot the memory probe takes: where it
# fails in the probe, their failing lines say so.
declare -A snapshot_takers=(
  [StopRunningPrograms.OnePassTerminatesExactlyTheMatchingProgramsAndTheNextFindsNone]=1
)
emulator_snapshot_fails=

# What the emulator's probes showed to make a test fail whatever our code
# does, if anything.
emulator_cause() {
  if [ -n "$emulator_snapshot_fails" ] && [ -n "${snapshot_takers[$1]:-}" ]; then
    echo " [the emulator: the snapshot the stopper takes fails in the memory probe too, see NOTE emulator]"
  fi
}

# The first report of a fault in a log (Wine's or qemu's), if it has one.
crash_note() {
  local first
  first=$(grep -o -m 1 -E 'err:seh:[^ ]+ .*|Unhandled .*|qemu: uncaught target signal [0-9]+|wine client error:[^ ]+ [a-z ]+' "$1" |
    head -n 1 | tr -d '\r') || true
  if [ -n "$first" ]; then
    echo ": $first"
  fi
}

# Runs a program in the emulated prefix, with Wine's reports of exceptions.
emulated() {
  local limit=$1
  shift
  WINEDEBUG=-all,err+seh timeout -k 10 "$limit" wine "$@"
}

# Runs tests of a Google Test program of the 32-bit tree in the emulated
# prefix, each reported on its own line. A program that crashes in a test
# loses the tests after it: when the filter has more, they run again in a new
# start without the tests already reported (at most three starts).
run_gtest() {
  local label=$1 program=$2 filter=$3 limit=$4 start status log skip='' full
  for start in 1 2 3; do
    log=$emu/logs/$label.$start.log
    status=0
    full=$filter
    if [ -n "$skip" ]; then
      case $filter in
        *-*) full+=$skip ;;
        *) full+="-${skip#:}" ;;
      esac
    fi
    log "running $label ($program, start $start)"
    emulated "$limit" "$program" --gtest_filter="$full" >"$log" 2>&1 || status=$?
    report_gtest "$label" "$log" "$status"
    [ "$status" -ne 0 ] && [ -n "$unfinished_test" ] && [[ $filter == *'*'* ]] || return 0
    local name
    for name in "${finished_tests[@]}" "$unfinished_test"; do
      skip+=":$name"
    done
  done
  fail "$label: the tests after these did not run (three starts crashed)"
}

# Whether this emulation gives each thread its own thread block (TEB): Wine
# finds it through one thread-local segment descriptor, which Linux keeps per
# thread and Debian's qemu once for the whole program
# (tools/i686-emu/qemu-gdt-per-thread.patch). A probe of one thread and then
# of three (tools/i686-emu/thread-probe.c) tells; a failure there is the
# emulator's, so it is reported, not counted.
check_emulator_threads() {
  i686-w64-mingw32-gcc -O1 -Wall -Wextra -o "$emu/thread-probe.exe" "$root/tools/i686-emu/thread-probe.c"
  local threads log status result
  for threads in 1 3; do
    log=$emu/logs/emulator-threads-$threads.log
    status=0
    log "running the emulator's thread probe with $threads thread(s)"
    emulated "$(larkview_slowed 40)" "$emu/thread-probe.exe" "$threads" >"$log" 2>&1 || status=$?
    result=$(grep -m 1 'threads lost' "$log" | tr -d '\r') || true
    result=${result:-no report}
    if [ "$status" -ne 0 ]; then
      result+=" (exit status $status$(crash_note "$log"))"
    fi
    echo "NOTE emulator: $threads thread(s) suspended and resumed 10 times each: $result ($log)"
  done
}

# Whether Wine reads a program's memory where the program sees it
# (tools/i686-emu/memory-probe.c): the wineserver reads the Linux process at
# the address given, and Debian's qemu places the emulated addresses at an
# offset in its own (tools/i686-emu/qemu-mmap-floor.patch). The stopper's
# snapshot (ToolHelp's flags 15) reads the module list
# that way, so where the probe fails the stopper's check fails too, whatever
# the 32-bit code does; that failure is still counted.
check_emulator_memory() {
  i686-w64-mingw32-gcc -O1 -Wall -Wextra -o "$emu/memory-probe.exe" "$root/tools/i686-emu/memory-probe.c"
  local log=$emu/logs/emulator-memory.log status=0 result
  log "running the emulator's memory probe"
  emulated "$(larkview_slowed 40)" "$emu/memory-probe.exe" >"$log" 2>&1 || status=$?
  result=$(grep -E '^(reading|the process snapshot)' "$log" | tr -d '\r' | paste -sd ';' | sed 's/;/; /g') || true
  result=${result:-no report}
  if [ "$status" -ne 0 ]; then
    result+=" (exit status $status$(crash_note "$log"))"
  fi
  if grep -q '^the process snapshot (flags 15) failed' "$log"; then
    emulator_snapshot_fails=1
  fi
  echo "NOTE emulator: a program reads its own memory through Wine: $result ($log)"
}

# The adapter's calling conventions and the 32-bit 7z.dll: the adapter's tests
# on their own archives and on the real payload, which one of them extracts
# and compares with the files it was packed from.
check_adapter() {
  run_gtest adapter "$tree/tests/adapter/adapter_test.exe" \
    '*-ExtractTo.FileHeldOpenByAnotherProgram*' "$(larkview_slowed 80)"
}

# The install steps that depend on the platform: one pass of the stopper over
# 32-bit helper programs (the 296-byte process entry), the registry records,
# and the shortcuts written by 32-bit code.
check_install_steps() {
  run_gtest install "$tree/tests/install/install_test.exe" \
    '*-StopRunningPrograms.ListsThatCannotMatch*:ShortcutTest.*' "$(larkview_slowed 80)"
  run_gtest shortcuts "$tree/tests/install/install_test.exe" 'ShortcutTest.*' "$(larkview_slowed 80)"
}

# The folder the payload was packed from.
payload_stage() {
  sed -n 's/^LARKVIEW_PAYLOAD:[A-Z]*=//p' "$tree/CMakeCache.txt" | xargs dirname | sed 's|$|/stage|'
}

# The end-to-end default install of the 32-bit wizard, the same test the
# 64-bit build runs, with every wait stretched; it saves a screenshot of each
# page into build/i686-emu/screenshots-wizard once the page shows its
# picture. Wine reports the wizard's exceptions, which the test quotes if it
# ends early.
check_wizard() {
  local log=$emu/logs/wizard.log shots=$emu/screenshots saved=$emu/screenshots-wizard status=0
  rm -rf "$shots" "$saved"
  log "driving the 32-bit wizard through its default install"
  WINEDEBUG=-all,err+seh timeout -k 10 "$(larkview_slowed 160)" python3 "$root/tests/e2e/test_install.py" \
    "$tree/app/LarkviewSetup.exe" "$(payload_stage)" unused unused unused DefaultInstall -v >"$log" 2>&1 || status=$?
  [ -d "$shots" ] && mv "$shots" "$saved"
  local page
  for page in options progress finish; do
    if [ -f "$saved/install_$page.png" ]; then
      pass "wizard: the $page page is shown ($saved/install_$page.png)"
    else
      fail "wizard: no $page page (see $log)"
    fi
  done
  if [ "$status" -eq 0 ] && grep -q '^OK$' "$log"; then
    pass "wizard: default install (files, shortcuts, registry, finish page, player and plug-in)"
  else
    fail "wizard: default install: $(grep -m 1 -E '^(AssertionError|[A-Za-z]+Error)' "$log" | cut -c 1-400 || echo "status $status") (see $log)"
  fi
}

# The first program of a server session boots it, and Wine's services and
# desktop, which start then, write into that program's output until the
# server ends. The session starts on its own, so the checks' logs hold only
# their programs' output.
start_session() {
  local log=$emu/logs/session.log status=0
  log "starting Wine's session (minutes under emulation)"
  emulated "$(larkview_slowed 40)" wineboot >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    log "wineboot ended with status $status (see $log); the first check starts the session"
  fi
}

run_checks() {
  rm -rf "$emu/logs"
  mkdir -p "$emu/logs"
  start_session
  local group
  for group in "$@"; do
    case $group in
      emulator)
        check_emulator_threads
        check_emulator_memory ;;
      adapter) check_adapter ;;
      install) check_install_steps ;;
      wizard) check_wizard ;;
    esac
  done
  echo "i686 checks: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

# Slow emulation must not disturb what else runs on the machine.
if [ "$(nice)" -lt 19 ]; then
  exec nice -n 19 "$0" "$@"
fi
trap finish EXIT
# A stopped run still ends its prefix and removes its binfmt_misc entry.
trap 'exit 130' INT TERM
groups=(emulator adapter install wizard)
case ${1:-all} in
  setup) setup ;;
  wine)
    shift
    setup
    export WINEDEBUG=${LARKVIEW_WINEDEBUG:-$WINEDEBUG}
    wine "$@" ;;
  all)
    setup
    run_checks "${groups[@]}" ;;
  *)
    for group in "$@"; do
      if [[ " ${groups[*]} " != *" $group "* ]]; then
        echo "usage: check-i686.sh [setup | wine PROGRAM [ARGUMENTS] | ${groups[*]}...]" >&2
        exit 2
      fi
    done
    setup
    run_checks "$@" ;;
esac
