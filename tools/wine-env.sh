# Sourced by the Wine harness scripts. Sets the environment of the test prefix
# of $LARKVIEW_TREE and offers:
#   larkview_wine_ready   create the prefix and start the X server if needed
#   larkview_wine_stop    end the prefix's wineserver and the X server
#   larkview_slowed N     N seconds times LARKVIEW_SLOWDOWN (default 1), for
#                         a Wine that runs that many times slower (emulated)
# Creation is serialised with a lock, since CTest starts tests in parallel.

LARKVIEW_TREE=$(realpath -m "$LARKVIEW_TREE")
wine_root=$LARKVIEW_TREE/wine
export WINEPREFIX=$wine_root/prefix
export HOME=$wine_root/home
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The wizard's texts are code page 936; Wine takes the ANSI code page from the
# locale.
export LC_ALL=zh_CN.UTF-8
unset LANGUAGE

larkview_slowed() {
  echo $(($1 * ${LARKVIEW_SLOWDOWN:-1}))
}

larkview_wine_create_prefix() {
  mkdir -p "$HOME"
  # The program that asks for the prefix can fail to load kernel32 while
  # wineboot goes on making it (seen under emulation): the prefix is complete
  # once every process of the server has ended.
  timeout -k 10 "$(larkview_slowed 300)" wineboot -i >"$wine_root/wineboot.log" 2>&1 || true
  timeout -k 10 "$(larkview_slowed 300)" wineserver -w
  if [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
    echo "wine-env: wineboot made no complete prefix (see $wine_root/wineboot.log)" >&2
    return 1
  fi
  local profile=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}
  [ -d "$profile" ] || profile=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
  # A fresh prefix links these to $HOME; real folders keep every test's
  # shortcuts inside the prefix.
  local link
  for link in "$profile"/*; do
    if [ -L "$link" ]; then
      rm "$link"
      mkdir "$link"
    fi
  done
  mkdir -p "$profile/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch"
  # Without a window manager every dialog close stalls and minimising shows
  # nothing, unless Wine manages the windows itself.
  timeout -k 10 "$(larkview_slowed 60)" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  timeout -k 10 "$(larkview_slowed 60)" wineserver -w
  touch "$wine_root/.prefix-ready"
}

larkview_xvfb_alive() {
  [ -f "$wine_root/xvfb.pid" ] && kill -0 "$(cat "$wine_root/xvfb.pid")" 2>/dev/null
}

larkview_xvfb_start() {
  # -displayfd lets the server pick a free display and report its number, so
  # build trees tested side by side never collide.
  rm -f "$wine_root/xvfb.display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$wine_root/xvfb.display" >"$wine_root/xvfb.log" 2>&1 9>&- &
  echo $! >"$wine_root/xvfb.pid"
  local i
  for i in $(seq 100); do
    if [ -s "$wine_root/xvfb.display" ]; then
      echo ":$(tr -d '[:space:]' <"$wine_root/xvfb.display")" >"$wine_root/xvfb.display"
      return
    fi
    sleep 0.1
  done
  echo "wine-env: Xvfb did not start (see $wine_root/xvfb.log)" >&2
  return 1
}

larkview_wine_ready() {
  mkdir -p "$wine_root"
  exec 9>"$wine_root/.lock"
  flock 9
  # LARKVIEW_USE_DISPLAY=1 shows the programs on the caller's own display.
  if [ -z "${LARKVIEW_USE_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    larkview_xvfb_alive || larkview_xvfb_start
    export DISPLAY
    DISPLAY=$(cat "$wine_root/xvfb.display")
  fi
  [ -f "$wine_root/.prefix-ready" ] || larkview_wine_create_prefix 9>&-
  # Wine's shell starts its menu builder after every shortcut it saves and
  # waits for it; disabled by the overrides above it still costs a process
  # start each time, which Windows has no counterpart of. An empty file in its
  # place fails to start at once; the shortcut file is written before that.
  # Set on every use, since a prefix update brings the program back.
  : >"$WINEPREFIX/drive_c/windows/system32/winemenubuilder.exe"
  flock -u 9
  exec 9>&-
}

# PIDs of the processes that still run in this build tree's prefix (other than
# this shell). The scan itself runs without WINEPREFIX, so it never finds
# itself.
larkview_prefix_processes() {
  env -u WINEPREFIX bash -c '
    grep -slzxF "WINEPREFIX=$1" /proc/[0-9]*/environ |
      sed -n "s|^/proc/\([0-9]*\)/environ\$|\1|p" | grep -vx "$2" || true
  ' _ "$WINEPREFIX" "$$"
}

# Ends the prefix's wineserver (and with it every program of the prefix) and
# the X server; fails when a process of the prefix is still there afterwards.
larkview_wine_stop() {
  if [ -d "$WINEPREFIX" ]; then
    timeout -k 5 30 wineserver -k 2>/dev/null || true
    timeout -k 5 30 wineserver -w 2>/dev/null || true
  fi
  if larkview_xvfb_alive; then
    kill "$(cat "$wine_root/xvfb.pid")"
  fi
  rm -f "$wine_root/xvfb.pid" "$wine_root/xvfb.display"
  local left i
  for i in $(seq 50); do
    left=$(larkview_prefix_processes)
    [ -z "$left" ] && return 0
    sleep 0.2
  done
  echo "wine-env: processes of $WINEPREFIX left behind:" >&2
  local pid
  for pid in $left; do
    echo "  $pid $(tr '\0' ' ' </proc/"$pid"/cmdline 2>/dev/null)" >&2
  done
  return 1
}
