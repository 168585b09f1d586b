#!/usr/bin/env bash
# scripts/install-into in a scratch home with a fake built launcher: the copies,
# a menu entry that desktop-file-validate accepts and that GLib starts in the
# game folder, with a join link where one is opened, the user's default for
# join links, and a --remove that leaves every other file as it was.
#   tests/scripts/install_into_test.sh [PROJECT_ROOT]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
install_into=$root/scripts/install-into
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data WV_BUILD_DIR=$scratch/build
# GLib's launch reaches no desktop of the host's, and what it or a bus it
# starts leaves behind stays in the scratch folder.
export XDG_CONFIG_HOME=$scratch/home/.config XDG_CACHE_HOME=$scratch/home/.cache \
  XDG_RUNTIME_DIR=$scratch/runtime LANG=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS LC_ALL LANGUAGE
mkdir -m 700 "$XDG_RUNTIME_DIR"
entry=$XDG_DATA_HOME/applications/org.wreckvale.Launcher.desktop
icon_sizes=(16 32 48 64 128 256)
icon=$XDG_DATA_HOME/icons/hicolor/32x32/apps/org.wreckvale.Launcher.png
failures=0
fail() {
  echo "FAIL [$case_name]: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate gio xdg-mime; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps" >&2; exit 1; }
done

# The fake launcher notes how a menu started it, and with what arguments.
mkdir -p "$WV_BUILD_DIR/bin" "$HOME"
cat >"$WV_BUILD_DIR/bin/wreckvale-launcher" <<'LAUNCHER'
#!/bin/sh
printf '%s\n%s\n%s|\n' "$0" "$PWD" "$*" >"$HOME/started.tmp" && mv "$HOME/started.tmp" "$HOME/started"
LAUNCHER
chmod 755 "$WV_BUILD_DIR/bin/wreckvale-launcher"
echo module >"$WV_BUILD_DIR/bin/libwreckvale_webview.so"
printf '#!/bin/sh\n' >"$WV_BUILD_DIR/bin/wreckvale-clipboard-keeper"

# Someone else's entry and icon, which must survive.
mkdir -p "$XDG_DATA_HOME/applications" "$XDG_DATA_HOME/icons/hicolor/32x32/apps"
echo "[Desktop Entry]" >"$XDG_DATA_HOME/applications/other.desktop"
echo png >"$XDG_DATA_HOME/icons/hicolor/32x32/apps/other.png"
# Someone else's default for other links, which must survive as well.
mimeapps=$XDG_CONFIG_HOME/mimeapps.list
mkdir -p "$XDG_CONFIG_HOME"
printf '[Default Applications]\nx-scheme-handler/other=other.desktop\n' >"$mimeapps"
other_defaults=$(cat "$mimeapps")
link=wreckvale://join/10.0.0.5:27017

# Every name and content under the scratch folder but what the install is
# not meant to touch: the fake build, and the home and runtime folders, where
# the fake launcher, GLib and a session bus it starts write what they like.
snapshot() {
  local skip=(-path ./build -prune -o -path ./home -prune -o -path ./runtime -prune -o)
  (cd "$scratch" && find . "${skip[@]}" -print | LC_ALL=C sort &&
    find . "${skip[@]}" -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum)
}

new_game() {
  game=$scratch/games/$1
  mkdir -p "$game"
  : >"$game/qr7.exe"
  echo "[Application]" >"$game/wreckvale_launcher.ini"
}

started_by_menu() { # [LINK]
  rm -f "$HOME/started"
  gio launch "$entry" "$@" 2>&1 || return 1
  for _ in $(seq 50); do
    [ -f "$HOME/started" ] && { cat "$HOME/started"; rm -f "$HOME/started"; return 0; }
    sleep 0.1
  done
  return 1
}

names=(
  "plain"
  "with blanks"
  "quotes \"double\" and 'single'"
  'dollar $HOME and `tick`'
  'percent %f %%'
  'back\slash\'
  "Игры/Wreckvale"
  "trailing blank "
)
for name in "${names[@]}"; do
  case_name=$name
  new_game "$name"
  before=$(snapshot)
  "$install_into" "$game" >/dev/null || fail "install failed"
  cmp -s "$game/wreckvale-launcher" "$WV_BUILD_DIR/bin/wreckvale-launcher" || fail "launcher not copied"
  [ -x "$game/wreckvale-launcher" ] || fail "launcher not executable"
  cmp -s "$game/libwreckvale_webview.so" "$WV_BUILD_DIR/bin/libwreckvale_webview.so" ||
    fail "web-view module not copied"
  [ -x "$game/wreckvale-clipboard-keeper" ] || fail "clipboard keeper not copied"
  desktop-file-validate "$entry" || fail "entry does not validate"
  grep -qx 'Categories=Game;' "$entry" || fail "no Categories=Game;"
  grep -qx 'Icon=org.wreckvale.Launcher' "$entry" || fail "no themed icon name"
  for size in "${icon_sizes[@]}"; do
    cmp -s "$XDG_DATA_HOME/icons/hicolor/${size}x$size/apps/org.wreckvale.Launcher.png" \
      "$root/ui/artwork/icon-$size.png" || fail "icon of $size px not installed"
  done
  grep -qx 'Name\[ru\]=Лаунчер Wreckvale' "$entry" || fail "no Russian name"
  grep -q '^Comment\[ru\]=.' "$entry" || fail "no Russian comment"
  # The window's class, as the launcher sets it; the end-to-end test checks
  # that the window carries it.
  grep -qx 'StartupWMClass=wreckvale-launcher' "$entry" || fail "no StartupWMClass"
  started=$(started_by_menu) || fail "the menu could not start it"
  [ "$started" = "$game/wreckvale-launcher"$'\n'"$game"$'\n|' ] ||
    fail "started as [$started], not the copy in the game folder"
  grep -qx 'MimeType=x-scheme-handler/wreckvale;' "$entry" || fail "no join-link type"
  started=$(started_by_menu "$link") || fail "the menu could not start it with a link"
  [ "$started" = "$game/wreckvale-launcher"$'\n'"$game"$'\n'"$link|" ] ||
    fail "started with a link as [$started]"
  grep -qx 'x-scheme-handler/wreckvale=org.wreckvale.Launcher.desktop' "$mimeapps" ||
    fail "not the default for join links"

  "$install_into" --remove "$game" >/dev/null || fail "remove failed"
  [ "$(snapshot)" = "$before" ] || fail "remove did not restore: $(diff <(echo "$before") <(snapshot))"
  [ "$(cat "$mimeapps")" = "$other_defaults" ] || fail "defaults left as [$(cat "$mimeapps")]"
done

case_name="entry of another folder"
new_game first
first=$game
new_game second
second=$game
before=$(snapshot)
"$install_into" "$first" >/dev/null && "$install_into" "$second" >/dev/null || fail "install failed"
grep -qxF "Path=$second" "$entry" || fail "entry does not follow the latest install"
"$install_into" --remove "$first" >/dev/null || fail "remove failed"
[ -f "$entry" ] && [ -f "$icon" ] || fail "removing one folder took the other's entry"
[ -e "$first/wreckvale-launcher" ] && fail "launcher copy left in the removed folder"
"$install_into" --remove "$second" >/dev/null
[ "$(snapshot)" = "$before" ] || fail "remove did not restore"

case_name="no web-view module built"
new_game bare
mv "$WV_BUILD_DIR/bin/libwreckvale_webview.so" "$scratch/module"
"$install_into" "$game" >/dev/null || fail "install failed"
[ -e "$game/libwreckvale_webview.so" ] && fail "module copied that was not built"
"$install_into" --remove "$game" >/dev/null
mv "$scratch/module" "$WV_BUILD_DIR/bin/libwreckvale_webview.so"

case_name="built programs lose their debug information"
new_game stripped
mv "$WV_BUILD_DIR/bin/libwreckvale_webview.so" "$scratch/module"
echo 'int wv_probe(void) { return 1; }' >"$scratch/probe.c"
cc -g -shared -fPIC -o "$WV_BUILD_DIR/bin/libwreckvale_webview.so" "$scratch/probe.c" ||
  fail "no compiler for the probe"
"$install_into" "$game" >/dev/null || fail "install failed"
readelf -S "$game/libwreckvale_webview.so" | grep -q debug_info && fail "debug information kept"
nm -D "$game/libwreckvale_webview.so" | grep -q ' T wv_probe$' || fail "exported symbol lost"
"$install_into" --remove "$game" >/dev/null
mv "$scratch/module" "$WV_BUILD_DIR/bin/libwreckvale_webview.so"

case_name="default data folder"
new_game default
(unset XDG_DATA_HOME && "$install_into" "$game" >/dev/null) || fail "install failed"
[ -f "$HOME/.local/share/applications/org.wreckvale.Launcher.desktop" ] || fail "not in ~/.local/share"
(unset XDG_DATA_HOME && "$install_into" --remove "$game" >/dev/null)
[ -e "$HOME/.local/share/applications/org.wreckvale.Launcher.desktop" ] && fail "entry left"

# Refusals write nothing.
new_game refused
before=$(snapshot)
refusals=(
  "missing folder|$scratch/games/absent"
  "control character|$(mkdir -p "$scratch/games/tab"$'\t'"x" && echo "$scratch/games/tab"$'\t'"x")"
  "no arguments|"
  "two folders|$game|$game"
)
for row in "${refusals[@]}"; do
  IFS='|' read -r case_name arguments <<<"$row"
  IFS='|' read -r -a argv <<<"$arguments"
  "$install_into" "${argv[@]}" >/dev/null 2>&1 && fail "accepted"
done
case_name="no built launcher"
mv "$WV_BUILD_DIR/bin/wreckvale-launcher" "$scratch/launcher"
"$install_into" "$game" >/dev/null 2>&1 && fail "accepted"
mv "$scratch/launcher" "$WV_BUILD_DIR/bin/wreckvale-launcher"
case_name="refusals"
rmdir "$scratch/games/tab"$'\t'"x"
[ "$(snapshot)" = "$before" ] || fail "a refusal wrote: $(diff <(echo "$before") <(snapshot))"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "install-into: all cases passed"
