# System libraries a Windows program loads at the first call of one of their
# functions instead of before main. The program links against delay-import
# libraries under the system libraries' own names, made at configure time
# from the toolchain's import libraries (every function they export), and
# finds them before the system's; the loader helper is MinGW's own.
function(lanque_delay_load target)
  set(dir ${CMAKE_BINARY_DIR}/delay-import)
  file(MAKE_DIRECTORY ${dir})
  foreach(name ${ARGN})
    find_library(import_${name} NAMES ${name} REQUIRED NO_CACHE)
    execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${import_${name}}
                    OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z0-9_@?]+" functions "${symbols}")
    set(exports "")
    foreach(line ${functions})
      string(REGEX REPLACE "^[0-9a-f]+ T " "" function "${line}")
      if(NOT function MATCHES "^__")
        list(APPEND exports "${function}")
      endif()
    endforeach()
    list(REMOVE_DUPLICATES exports)
    list(JOIN exports "\n" body)
    file(WRITE ${dir}/${name}.def "LIBRARY ${name}.dll\nEXPORTS\n${body}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${dir}/${name}.def --dllname ${name}.dll
                            --output-delaylib ${dir}/lib${name}.a COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  target_link_directories(${target} BEFORE PRIVATE ${dir})
endfunction()
