# Checks the one-way dependencies between the libraries of the Windows-style
# platform: user may include gdi and kernel, gdi may include kernel, kernel
# only itself; ole sits on top and may include all of them. Nothing in these
# folders may include the rest of the program.
#   cmake -DLAYER_ROOT=<dir holding kernel/ gdi/ user/ ole/> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT LAYER_ROOT)
  message(FATAL_ERROR "check_layers: pass -DLAYER_ROOT=<folder>")
endif()

get_filename_component(LAYER_ROOT "${LAYER_ROOT}" ABSOLUTE)

set(allowed_kernel kernel)
set(allowed_gdi gdi kernel)
set(allowed_user user gdi kernel)
set(allowed_ole ole user gdi kernel)

set(failures "")
foreach(layer kernel gdi user ole)
  file(GLOB_RECURSE files "${LAYER_ROOT}/${layer}/*.h" "${LAYER_ROOT}/${layer}/*.cpp")
  foreach(file ${files})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
      file(RELATIVE_PATH shown "${LAYER_ROOT}" "${file}")
      if(target MATCHES "^platform/win/([a-z]+)/")
        set(used "${CMAKE_MATCH_1}")
        if(NOT used IN_LIST allowed_${layer})
          string(REPLACE ";" ", " may "${allowed_${layer}}")
          list(APPEND failures "${shown} includes ${target}: ${layer} may use only ${may}")
        endif()
      elseif(target MATCHES "/")
        list(APPEND failures "${shown} includes ${target}: the platform's libraries may not use anything outside platform/win")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  string(REPLACE ";" "\n  " shown "${failures}")
  message(FATAL_ERROR "wrong-direction includes in the platform:\n  ${shown}")
endif()
