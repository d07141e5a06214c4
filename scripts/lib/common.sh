# Shared settings of the project's scripts (sourced, not run).
LANQUE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# Cross-built MinGW libraries live outside the work tree so clean clones reuse them.
LANQUE_DEPS=${LANQUE_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/lanque/mingw-deps}
# Bump when the set of cross-built libraries or their options change, and
# give the new or changed library that version in LANQUE_MINGW_LIBS.
LANQUE_DEPS_VERSION=2
LANQUE_JOBS=${LANQUE_JOBS:-$(nproc)}
export LANQUE_ROOT LANQUE_DEPS LANQUE_DEPS_VERSION LANQUE_JOBS
