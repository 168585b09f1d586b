# Sourced by the Wine scenarios and the Windows benchmark: a display of their
# own (Xvfb) with a window manager, and a Wine prefix. Without a window
# manager Wine waits two seconds whenever a window hides.
#
#   wv_display_begin WORK   Xvfb on a display it picks itself, and openbox;
#                           exports DISPLAY
#   wv_prefix_begin WORK    a fresh prefix in WORK/prefix unless WINEPREFIX
#                           is set, settled, with a wineserver kept running
#   wv_session_begin WORK   both
#   wv_session_end          ends what the calls above started

wv_session_pids=()

wv_display_begin() {
  local work=$1
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  wv_session_pids+=($!)
  local _
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; return 1; }
  export DISPLAY=:$(cat "$work/display")
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wv_session_pids+=($!)
  # openbox owns the screen's WM selection once it manages windows.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
  return 1
}

wv_prefix_begin() {
  local work=$1
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$work/prefix
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
  fi
  # wineboot leaves set-up work running; runs start only in a settled prefix.
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  # One server for every run: none of them pays for starting it.
  /usr/lib/wine/wineserver -p
}

wv_session_begin() {
  wv_display_begin "$1" && wv_prefix_begin "$1"
}

wv_session_end() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  local pid
  for pid in "${wv_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${wv_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  wv_session_pids=()
}
