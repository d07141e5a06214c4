# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT DEFINED LANQUE_DEPS)
  if(DEFINED ENV{LANQUE_DEPS})
    set(LANQUE_DEPS "$ENV{LANQUE_DEPS}")
  elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(LANQUE_DEPS "$ENV{XDG_CACHE_HOME}/lanque/mingw-deps")
  else()
    set(LANQUE_DEPS "$ENV{HOME}/.cache/lanque/mingw-deps")
  endif()
endif()
set(LANQUE_DEPS "${LANQUE_DEPS}" CACHE PATH "Cross-built MinGW libraries")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${LANQUE_DEPS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link zlib into the program rather than beside it as a DLL.
set(ZLIB_USE_STATIC_LIBS ON)

# Test programs run under wine through a wrapper that puts each test in the
# Wine environment it holds (see scripts/lib/wine-test-run).
get_filename_component(LANQUE_WINE_TEST_RUN "${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-test-run" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${LANQUE_WINE_TEST_RUN}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
