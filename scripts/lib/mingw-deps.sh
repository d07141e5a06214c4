# The MinGW libraries Debian does not package, cross-built from Debian's own
# source packages into $LANQUE_DEPS (static libraries and headers only).
# Sourced, not run.
# lanque_mingw_deps_pending  prints the libraries not built yet, one a line
# lanque_mingw_dep_build NAME  fetches, builds and installs one of them
# Each library's stamp is written only after its install; the stamp of the
# whole set only after the last one, so an interrupted build is redone.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Each library with the set version in which it came or its recipe last
# changed. Its stamp carries that version, and a whole set stamped at that
# version holds it too: a cache made before a library came (or changed)
# builds only that library.
LANQUE_MINGW_LIBS=(libpng:1 libjpeg-turbo:1 libxml2:1 benchmark:2)

# _lanque_mingw_stamp VERSION [NAME]
_lanque_mingw_stamp() { echo "$LANQUE_DEPS/.complete-$1${2:+-$2}"; }

_lanque_mingw_lib_version() {
  local entry
  for entry in "${LANQUE_MINGW_LIBS[@]}"; do
    [ "${entry%%:*}" = "$1" ] && echo "${entry##*:}"
  done
}

lanque_mingw_deps_pending() {
  local entry lib version
  [ -f "$(_lanque_mingw_stamp "$LANQUE_DEPS_VERSION")" ] && return 0
  for entry in "${LANQUE_MINGW_LIBS[@]}"; do
    lib=${entry%%:*} version=${entry##*:}
    [ -f "$(_lanque_mingw_stamp "$version" "$lib")" ] || [ -f "$(_lanque_mingw_stamp "$version")" ] \
      || echo "$lib"
  done
}

# The source package, the prefix of its unpacked folder and the CMake options.
_lanque_mingw_recipe() {
  case "$1" in
    libpng) echo libpng1.6 libpng \
      -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF ;;
    libjpeg-turbo) echo libjpeg-turbo libjpeg-turbo \
      -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF ;;
    libxml2) echo libxml2 libxml2 \
      -DBUILD_SHARED_LIBS=OFF -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_ICONV=OFF \
      -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_TESTS=OFF \
      -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF ;;
    # Debian's patch takes the version from GIT_VERSION; 0.0.0 means the project's own.
    benchmark) echo benchmark benchmark -DGIT_VERSION=0.0.0 \
      -DBUILD_SHARED_LIBS=OFF -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
      -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_LTO=OFF -DBENCHMARK_ENABLE_INSTALL=ON \
      -DBENCHMARK_INSTALL_DOCS=OFF ;;
  esac
}

lanque_mingw_dep_build() {
  local name=$1 recipe package prefix release src work="$LANQUE_DEPS/src/$1"
  read -r -a recipe <<<"$(_lanque_mingw_recipe "$name")"
  package=${recipe[0]} prefix=${recipe[1]}
  rm -rf "$work"
  mkdir -p "$work"
  # The release's own version (not a later update), the same on every machine.
  release=$(. /etc/os-release && echo "$VERSION_CODENAME")
  (cd "$work" && apt-get source -q "$package/$release") || {
    echo "'apt-get source $package/$release' failed: is there a deb-src entry, and is the mirror reachable?"
    return 1
  }
  src=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name "$prefix*" | head -n 1)
  cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$LANQUE_ROOT/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$LANQUE_DEPS" -DCMAKE_POSITION_INDEPENDENT_CODE=OFF \
    "${recipe[@]:2}" \
  && cmake --build "$work/build" -j "$LANQUE_JOBS" \
  && cmake --install "$work/build" || return 1
  rm -rf "$work"
  rmdir "$LANQUE_DEPS/src" 2>/dev/null || true
  touch "$(_lanque_mingw_stamp "$(_lanque_mingw_lib_version "$name")" "$name")"
  [ -n "$(lanque_mingw_deps_pending)" ] || touch "$(_lanque_mingw_stamp "$LANQUE_DEPS_VERSION")"
}
