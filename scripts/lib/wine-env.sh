# Wine environment for running the Windows build (sourced, not run).
# lanque_wine_start PREFIX [keep] [WxH]  makes PREFIX a fresh copy of a
#   prepared template prefix (with "keep": only when it does not exist yet),
#   starts an Xvfb when there is no usable display (then with a virtual
#   desktop of WxH, so windows get frames and a taskbar), starts a persistent
#   wineserver, and exports what wine needs.
# lanque_wine_stop  stops only what lanque_wine_start started.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

LANQUE_WINE_TEMPLATE=${LANQUE_WINE_TEMPLATE:-$(dirname "$LANQUE_DEPS")/wine-template-4}
_lanque_xvfb_pid=""
_lanque_wineserver_started=0

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

lanque_wine_start() {
  local prefix=$1 keep=${2:-} desktop=${3:-}
  lanque_wine_make_template || { echo "wine: could not prepare a prefix" >&2; return 1; }
  if [ "$keep" != keep ] || [ ! -d "$prefix" ]; then
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$LANQUE_WINE_TEMPLATE" "$prefix"
  fi
  _lanque_wine_quiet_env
  export WINEPREFIX="$prefix"
  if [ "${LANQUE_FORCE_XVFB:-0}" = 1 ] || ! _lanque_display_works; then
    if [ -n "$desktop" ]; then
      # A virtual desktop: framed windows and a taskbar with a notification area.
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
      wineserver -w
    fi
    _lanque_use_xvfb=1
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _lanque_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ "${_lanque_use_xvfb:-0}" != 1 ]; then
    # On the user's own desktop, windows go straight onto it.
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  wineserver -p >/dev/null 2>&1
  _lanque_wineserver_started=1
  wine cmd /c exit >/dev/null 2>&1 || true  # the first program after a new server is slow
}

lanque_wine_stop() {
  if [ "$_lanque_wineserver_started" = 1 ]; then
    wineserver -k >/dev/null 2>&1 || true
    _lanque_wineserver_started=0
  fi
  if [ -n "$_lanque_xvfb_pid" ]; then
    kill "$_lanque_xvfb_pid" 2>/dev/null || true
    wait "$_lanque_xvfb_pid" 2>/dev/null || true
    _lanque_xvfb_pid=""
_lanque_wineserver_started=0
  fi
}
