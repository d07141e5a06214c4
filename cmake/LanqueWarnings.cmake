# Warning and sanitizer flags shared by every target of the project.
add_library(lanque_options INTERFACE)
target_compile_options(lanque_options INTERFACE
  -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
if(WIN32)
  target_compile_definitions(lanque_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
if(LANQUE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
