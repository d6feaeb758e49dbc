# Fails when a file includes a header of a layer that its own layer does not use.
#   cmake -DSOURCE_DIR=... -DLAYERS="afx;foundation;..." \
#         -DREACHES="afx=afx;foundation=foundation,afx;..." -P CheckLayering.cmake
# REACHES gives each layer the layers it may use: itself and the closure of its
# declared DEPENDS (kestrova_layer_reaches in cmake/Targets.cmake).
# The layer of a file is its top folder; tests/<layer>/ counts as that layer,
# tests/support/ as afx (its headers serve every test). Includes by layer path
# ("genetics/...") and relative ones ("../x/...") are both followed.
cmake_minimum_required(VERSION 3.20)
if(NOT SOURCE_DIR OR NOT LAYERS OR NOT REACHES)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=... -DLAYERS=... -DREACHES=... -P CheckLayering.cmake")
endif()

foreach(entry ${REACHES})
  string(REGEX REPLACE "=.*$" "" layer "${entry}")
  string(REGEX REPLACE "^[^=]*=" "" reach "${entry}")
  string(REPLACE "," ";" reach "${reach}")
  set(reach_${layer} ${reach})
endforeach()

# The layer that a path below SOURCE_DIR belongs to, or "" for none.
function(layer_of_path path result)
  file(RELATIVE_PATH relative "${SOURCE_DIR}" "${path}")
  set(layer "")
  if(relative MATCHES "^tests/support/")
    set(layer afx)
  elseif(relative MATCHES "^tests/([a-z]+)/")
    set(layer "${CMAKE_MATCH_1}")
  elseif(relative MATCHES "^([a-z]+)/")
    set(layer "${CMAKE_MATCH_1}")
  endif()
  if(NOT layer IN_LIST LAYERS)
    set(layer "")
  endif()
  set(${result} "${layer}" PARENT_SCOPE)
endfunction()

set(checked "")
foreach(layer ${LAYERS})
  list(APPEND checked "${layer}" "tests/${layer}")
endforeach()
list(APPEND checked "tests/support")

set(include_pattern "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
set(violations "")
set(count 0)
foreach(folder ${checked})
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
                          "${SOURCE_DIR}/${folder}/*.c" "${SOURCE_DIR}/${folder}/*.rc")
  foreach(file ${files})
    layer_of_path("${file}" own)
    get_filename_component(here "${file}" DIRECTORY)
    file(STRINGS "${file}" includes REGEX "${include_pattern}")
    math(EXPR count "${count} + 1")
    foreach(line ${includes})
      string(REGEX REPLACE "${include_pattern}.*$" "\\1" name "${line}")
      if(name MATCHES "^\\.\\./")
        get_filename_component(target_path "${here}/${name}" ABSOLUTE)
        layer_of_path("${target_path}" target)
      elseif(name MATCHES "^([a-z]+)/")
        set(target "${CMAKE_MATCH_1}")
      else()
        continue()
      endif()
      if(target AND target IN_LIST LAYERS AND NOT target IN_LIST reach_${own})
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        string(STRIP "${line}" line)
        string(REPLACE ";" "," allowed "${reach_${own}}")
        list(APPEND violations "${shown} (${own}, which uses ${allowed}) includes a header of ${target}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(LENGTH violations n)
  string(REPLACE ";" "\n  " shown "${violations}")
  message(FATAL_ERROR "${n} include(s) reach a layer that the including layer does not use "
                      "(DEPENDS in the top CMakeLists.txt):\n  ${shown}")
endif()
message(STATUS "Layering: ${count} files include only their own layer and the layers it uses")
