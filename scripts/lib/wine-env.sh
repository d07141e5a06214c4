# Wine environments for running the Windows build (sourced, not run).
#
# One environment is a prefix made from a prepared template, a persistent
# wineserver of its own and, where wanted, an Xvfb display of its own with
# Wine's virtual desktop (framed windows, a taskbar, a notification area).
# Everything an environment starts is recorded by process id in its folder and
# stopped by those ids, so other Wine or X sessions on the machine are never
# touched.
#
#   lanque_wine_env_start DIR [WxH]  makes DIR/prefix afresh and starts an Xvfb
#       with a WxH virtual desktop and a wineserver; writes DIR/env, the
#       variables a program run in it needs (source it, or see wine-test-run)
#   lanque_wine_env_stop DIR          stops what lanque_wine_env_start started
#
#   lanque_wine_start PREFIX [keep] [WxH]  the same for the calling shell, on
#       the user's display when there is one (LANQUE_FORCE_XVFB=1: always an
#       Xvfb); with "keep" an existing PREFIX is reused; exports the variables
#   lanque_wine_stop                  stops what lanque_wine_start started
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

LANQUE_WINE_TEMPLATE=${LANQUE_WINE_TEMPLATE:-$(dirname "$LANQUE_DEPS")/wine-template-4}
_lanque_wine_own_env=""

_lanque_wine_quiet_env() {
  export WINEDEBUG=-all WINEARCH=win64
  # Without an HTML engine the system browser control fails fast; the
  # program then uses its own page engine.
  export WINEDLLOVERRIDES="mshtml=d;mscoree=d"
  { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null  # code page 936; no glibc locale needed
  unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY
}

# Prepares the template in a folder of its own and renames it into place when
# it is complete, so an interrupted preparation is never taken for done.
lanque_wine_make_template() {
  [ -f "$LANQUE_WINE_TEMPLATE/.ready" ] && return 0
  echo "wine: preparing a template prefix in $LANQUE_WINE_TEMPLATE (once)"
  mkdir -p "$(dirname "$LANQUE_WINE_TEMPLATE")"
  local fresh
  fresh=$(mktemp -d "$LANQUE_WINE_TEMPLATE.XXXXXX")
  (
    _lanque_wine_quiet_env
    export WINEPREFIX="$fresh"
    wineboot --init >/dev/null 2>&1 || exit 1
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in "Liberation Sans" "Liberation Sans Bold" "MS Sans Serif" "Tahoma" "Microsoft Sans Serif"; do
      wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    # Text that goes through Uniscribe (edit controls) falls back to these
    # faces for Chinese; point them at the installed Chinese font.
    local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for face in "SimSun" "NSimSun" "SimHei" "Microsoft YaHei" "Microsoft JhengHei" "MingLiU" "PMingLiU" "MS Song"; do
      wine reg add "$subst" /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    wineserver -w
    local marlett
    marlett=$(find /usr/share/fonts /usr/share/wine /usr/lib/wine -name marlett.ttf 2>/dev/null | head -n 1)
    if [ -n "$marlett" ]; then ln -sf "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"; fi
  ) || { rm -rf "$fresh"; return 1; }
  touch "$fresh/.ready"
  # A half-prepared template from an older script goes; one that another
  # process finished meanwhile stays.
  [ -f "$LANQUE_WINE_TEMPLATE/.ready" ] || rm -rf "$LANQUE_WINE_TEMPLATE"
  mv -T "$fresh" "$LANQUE_WINE_TEMPLATE" 2>/dev/null || rm -rf "$fresh"
}

_lanque_display_works() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# Starts an Xvfb on a display number it picks itself (no race with other
# sessions choosing at the same moment); prints "PID DISPLAY".
_lanque_start_xvfb() {
  local fifo pid number=""
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  pid=$!
  read -r -t 20 number <"$fifo" || true
  rm -f "$fifo"
  [ -n "$number" ] || { kill "$pid" 2>/dev/null; return 1; }
  echo "$pid :$number"
}

# The part of a start that runs with the environment's variables exported:
# the virtual desktop, the persistent wineserver and one throw-away program
# (the first program after a new server is slow). Appends the server's pid to
# the environment's pid file.
_lanque_wine_serve() {
  local desktop=$1 pids=$2
  if [ -n "$desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
    wineserver -w
  else
    # On the user's own desktop, windows go straight onto it.
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  wineserver -f -p >/dev/null 2>&1 &
  echo "$!" >>"$pids"
  # A program started before the server listens would start a server of its own.
  local id _
  id="server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
  for _ in $(seq 100); do
    compgen -G "/tmp/*wine-*/$id/socket" >/dev/null && break
    sleep 0.05
  done
  wine cmd /c exit >/dev/null 2>&1 || true
}

lanque_wine_env_start() {
  local dir=$1 desktop=${2:-1280x1024} xvfb
  lanque_wine_make_template || { echo "wine: could not prepare a prefix" >&2; return 1; }
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -a "$LANQUE_WINE_TEMPLATE" "$dir/prefix"
  xvfb=$(_lanque_start_xvfb) || { echo "wine: Xvfb did not start" >&2; return 1; }
  echo "${xvfb%% *}" >"$dir/pids"
  cat >"$dir/env" <<EOF
export WINEPREFIX='$dir/prefix' DISPLAY='${xvfb#* }'
EOF
  (
    _lanque_wine_quiet_env
    . "$dir/env"
    _lanque_wine_serve "$desktop" "$dir/pids"
  )
}

# Stops, by their ids, the wineserver (which ends the programs of its prefix
# first) and the Xvfb of an environment.
lanque_wine_env_stop() {
  local dir=$1 pid
  [ -f "$dir/pids" ] || return 0
  if [ -f "$dir/env" ]; then
    ( _lanque_wine_quiet_env; . "$dir/env"; wineserver -k >/dev/null 2>&1 || true )
  fi
  while read -r pid; do
    kill "$pid" 2>/dev/null || true
  done <"$dir/pids"
  while read -r pid; do
    while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  done <"$dir/pids"
  rm -f "$dir/pids"
}

lanque_wine_start() {
  local prefix=$1 keep=${2:-} desktop=${3:-} dir
  lanque_wine_make_template || { echo "wine: could not prepare a prefix" >&2; return 1; }
  if [ "$keep" != keep ] || [ ! -d "$prefix" ]; then
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$LANQUE_WINE_TEMPLATE" "$prefix"
  fi
  dir="$prefix.run"
  mkdir -p "$dir"
  : >"$dir/pids"
  _lanque_wine_quiet_env
  export WINEPREFIX="$prefix"
  if [ "${LANQUE_FORCE_XVFB:-0}" = 1 ] || ! _lanque_display_works; then
    local xvfb
    xvfb=$(_lanque_start_xvfb) || { echo "wine: Xvfb did not start" >&2; return 1; }
    echo "${xvfb%% *}" >>"$dir/pids"
    export DISPLAY="${xvfb#* }"
    [ -n "$desktop" ] || desktop=1280x1024
  else
    desktop=""
  fi
  echo "export WINEPREFIX='$WINEPREFIX' DISPLAY='$DISPLAY'" >"$dir/env"
  _lanque_wine_serve "$desktop" "$dir/pids"
  _lanque_wine_own_env=$dir
}

lanque_wine_stop() {
  [ -n "$_lanque_wine_own_env" ] || return 0
  lanque_wine_env_stop "$_lanque_wine_own_env"
  _lanque_wine_own_env=""
}
