#!/usr/bin/env bash
# Cross-builds libpng, libjpeg-turbo and libxml2 for MinGW-w64 from Debian's
# source packages into $LANQUE_DEPS (static libraries and headers only).
set -euo pipefail
. "$(dirname "$0")/common.sh"

stamp="$LANQUE_DEPS/.complete-$LANQUE_DEPS_VERSION"
[ -f "$stamp" ] && exit 0

work="$LANQUE_DEPS/src"
rm -rf "$work"
mkdir -p "$work" "$LANQUE_DEPS"
toolchain="$LANQUE_ROOT/cmake/mingw-w64.cmake"

fetch() {  # fetch SOURCE-PACKAGE -> prints the unpacked folder
  (cd "$work" && apt-get source -q "$1" >/dev/null 2>&1) || {
    echo "setup: 'apt-get source $1' failed (is a deb-src entry present?)" >&2; exit 1; }
  find "$work" -maxdepth 1 -mindepth 1 -type d -name "$2*" | head -n 1
}

build() {  # build NAME SOURCE-DIR CMAKE-OPTIONS...
  local name=$1 src=$2; shift 2
  echo "setup: cross-building $name"
  cmake -S "$src" -B "$work/build-$name" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$LANQUE_DEPS" -DCMAKE_POSITION_INDEPENDENT_CODE=OFF \
    "$@" >"$work/$name-configure.log" 2>&1 || { tail -n 30 "$work/$name-configure.log" >&2; exit 1; }
  cmake --build "$work/build-$name" -j "$LANQUE_JOBS" >"$work/$name-build.log" 2>&1 \
    || { tail -n 30 "$work/$name-build.log" >&2; exit 1; }
  cmake --install "$work/build-$name" >/dev/null
}

build libpng "$(fetch libpng1.6 libpng)" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
build libjpeg-turbo "$(fetch libjpeg-turbo libjpeg-turbo)" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
build libxml2 "$(fetch libxml2 libxml2)" \
  -DBUILD_SHARED_LIBS=OFF -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_ICONV=OFF \
  -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_TESTS=OFF \
  -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF

rm -rf "$work"
touch "$stamp"
