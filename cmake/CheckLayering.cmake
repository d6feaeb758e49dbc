# Fails when a file includes a header of a layer above its own.
#   cmake -DSOURCE_DIR=... -DLAYERS="afx;foundation;..." -P CheckLayering.cmake
# The layer of a file is its top folder; tests/<layer>/ counts as that layer,
# tests/support/ and tools/ as the layer of their lowest and highest users:
# support headers serve every test (afx), tools may use every layer (program).
if(NOT SOURCE_DIR OR NOT LAYERS)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=... -DLAYERS=... -P CheckLayering.cmake")
endif()

function(layer_rank name result)
  list(FIND LAYERS "${name}" rank)
  set(${result} ${rank} PARENT_SCOPE)
endfunction()

set(checked "")
foreach(layer ${LAYERS})
  list(APPEND checked "${layer}" "tests/${layer}")
endforeach()
list(APPEND checked "tests/support")

set(violations "")
set(count 0)
foreach(folder ${checked})
  if(folder STREQUAL "tests/support")
    set(own afx)
  else()
    string(REGEX REPLACE "^tests/" "" own "${folder}")
  endif()
  layer_rank("${own}" own_rank)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
                          "${SOURCE_DIR}/${folder}/*.c" "${SOURCE_DIR}/${folder}/*.rc")
  foreach(file ${files})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z]+/")
    math(EXPR count "${count} + 1")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z]+)/.*$" "\\1" target "${line}")
      layer_rank("${target}" target_rank)
      if(target_rank GREATER own_rank)
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        string(STRIP "${line}" line)
        list(APPEND violations "${shown} (${own}) includes a header of ${target}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(LENGTH violations n)
  string(REPLACE ";" "\n  " shown "${violations}")
  message(FATAL_ERROR "${n} include(s) reach a higher layer (order: ${LAYERS}):\n  ${shown}")
endif()
message(STATUS "Layering: ${count} files include only their own layer and those below")
