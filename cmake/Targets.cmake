# The layers of the program and the helpers that turn their folders into
# targets without per-file lists.
#
# Each layer is one folder and one library; it links the layers it really
# uses, all of them lower in KESTROVA_LAYERS. Every source under the folder
# belongs to the library (globbed, so new files need no CMake edit); every
# resource script (*.rc) under it is compiled into the object library
# <layer>_resources, which programs and tests link directly (static libraries
# would drop resource objects, as nothing refers to them).

# Bottom up. Each layer names what it uses (DEPENDS); a file may include headers
# of its own layer and of the layers its layer reaches through those lists, so
# the order alone allows nothing (the framework lies above genetics, yet may
# not include it).
set(KESTROVA_LAYERS afx foundation genetics framework output application program)

set(KESTROVA_SYSTEM_LIBRARIES
    comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 oledlg uuid winspool
    advapi32 gdi32 user32 kernel32 imagehlp psapi msvfw32 version)

# Windows paths of the source and build folders as Wine sees them (drive Z: is /).
set(KESTROVA_WIN_SOURCE_DIR "Z:${CMAKE_SOURCE_DIR}")
set(KESTROVA_WIN_BINARY_DIR "Z:${CMAKE_BINARY_DIR}")

# kestrova_add_layer(NAME DEPENDS lib...): the library of folder NAME, linking
# the listed layers and libraries. A folder without code yet gets an interface
# library that passes its dependencies on.
function(kestrova_add_layer layer)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/${layer}/*.cpp" "${CMAKE_SOURCE_DIR}/${layer}/*.c")
  if(sources)
    add_library(${layer} STATIC ${sources})
    target_include_directories(${layer} PUBLIC "${CMAKE_SOURCE_DIR}")
    # A CString passed through "..." must be a compile error, not a silent copy.
    target_compile_options(${layer} PRIVATE -Werror=conditionally-supported)
    target_link_libraries(${layer} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${layer} INTERFACE)
    target_include_directories(${layer} INTERFACE "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${layer} INTERFACE ${ARG_DEPENDS})
  endif()

  # The layer's resource scripts, and the layers below that it builds on.
  file(GLOB_RECURSE scripts CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${layer}/*.rc")
  set(resources "")
  foreach(dependency ${ARG_DEPENDS})
    get_property(below GLOBAL PROPERTY KESTROVA_RESOURCES_${dependency})
    list(APPEND resources ${below})
  endforeach()
  if(scripts)
    add_library(${layer}_resources OBJECT ${scripts})
    target_include_directories(${layer}_resources PRIVATE "${CMAKE_SOURCE_DIR}")
    list(APPEND resources ${layer}_resources)
  endif()
  list(REMOVE_DUPLICATES resources)
  set_property(GLOBAL PROPERTY KESTROVA_RESOURCES_${layer} "${resources}")
  kestrova_declare_reach(${layer} ${ARG_DEPENDS})
endfunction()

# kestrova_declare_reach(LAYER dependency...): records the layers that LAYER
# may use: itself and, through its listed dependencies, every layer they
# reach. Dependencies that are not layers (system libraries, zlib) are left out.
function(kestrova_declare_reach layer)
  set(reach ${layer})
  foreach(dependency ${ARGN})
    if(dependency IN_LIST KESTROVA_LAYERS)
      get_property(below GLOBAL PROPERTY KESTROVA_REACH_${dependency})
      list(APPEND reach ${below})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL PROPERTY KESTROVA_REACH_${layer} "${reach}")
endfunction()

# kestrova_layer_reaches(RESULT): every layer with what it may use, as
# "layer=used,used,...", one list item per layer (for cmake/CheckLayering.cmake).
function(kestrova_layer_reaches result)
  set(reaches "")
  foreach(layer ${KESTROVA_LAYERS})
    get_property(reach GLOBAL PROPERTY KESTROVA_REACH_${layer})
    string(REPLACE ";" "," reach "${reach}")
    list(APPEND reaches "${layer}=${reach}")
  endforeach()
  set(${result} "${reaches}" PARENT_SCOPE)
endfunction()

# kestrova_link_layer(TARGET LAYER): links an executable with the layer's
# library and the resources of the layer and of every layer below it.
function(kestrova_link_layer target layer)
  target_link_libraries(${target} PRIVATE ${layer})
  get_property(resources GLOBAL PROPERTY KESTROVA_RESOURCES_${layer})
  foreach(resource ${resources})
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${resource}>)
  endforeach()
endfunction()

# The lowest layer that reaches every layer whose headers the sources include
# (afx when none): genetics for genetics alone, application for genetics and output.
function(kestrova_highest_layer result)
  set(included "")
  foreach(source ${ARGN})
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*$" "\\1" folder "${line}")
      if(folder IN_LIST KESTROVA_LAYERS)
        list(APPEND included ${folder})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES included)
  foreach(layer ${KESTROVA_LAYERS})
    get_property(reach GLOBAL PROPERTY KESTROVA_REACH_${layer})
    set(missing ${included})
    if(reach)
      list(REMOVE_ITEM missing ${reach})
    endif()
    if(NOT missing)
      set(${result} ${layer} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "No layer reaches all of ${included} (sources: ${ARGN})")
endfunction()

# Every folder tools/programs/NAME becomes the console program NAME.exe,
# linking the highest layer that its sources include, and so only what it needs.
function(kestrova_add_programs)
  file(GLOB program_dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tools/programs/*")
  foreach(dir ${program_dirs})
    if(NOT IS_DIRECTORY "${dir}")
      continue()
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    if(NOT sources)
      continue()
    endif()
    get_filename_component(name "${dir}" NAME)
    add_executable(${name} ${sources})
    kestrova_highest_layer(layer ${sources})
    # A changed include may change the layer: read the sources again then.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${sources})
    kestrova_link_layer(${name} ${layer})
    target_compile_definitions(${name} PRIVATE
      KESTROVA_SOURCE_DIR="${KESTROVA_WIN_SOURCE_DIR}" KESTROVA_BINARY_DIR="${KESTROVA_WIN_BINARY_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}")
  endforeach()
endfunction()
