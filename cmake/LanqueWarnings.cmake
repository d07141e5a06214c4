# Warning and sanitizer flags shared by every target of the project.
add_library(lanque_options INTERFACE)
target_compile_options(lanque_options INTERFACE
  -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
# scripts/test (and so CI) builds with warnings as errors, so none comes in.
option(LANQUE_WERROR "Treat compiler warnings as errors" OFF)
if(LANQUE_WERROR)
  target_compile_options(lanque_options INTERFACE -Werror)
endif()
# GCC 12 takes a component's destroying operator delete for a plain one: it
# reports it as mismatched with operator new, and the destructor it calls as
# a use after freeing. Both are wrong there (the AddressSanitizer tree checks
# the real thing at run time); the surer levels of the use check stay.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(lanque_options INTERFACE -Wno-mismatched-new-delete -Wuse-after-free=1)
endif()
if(WIN32)
  target_compile_definitions(lanque_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
if(LANQUE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
