# Helpers that turn the source folders into targets without per-file lists:
# every source under a folder belongs to that folder's static library.

set(KESTROVA_SYSTEM_LIBRARIES
    comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 oledlg uuid winspool
    advapi32 gdi32 user32 kernel32 imagehlp psapi msvfw32 version)

set_property(GLOBAL PROPERTY KESTROVA_LIBRARIES "")

function(kestrova_add_folder_library folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.c")
  if(NOT sources)
    return()   # an empty folder gets its library once it has code
  endif()
  add_library(${folder} STATIC ${sources})
  target_include_directories(${folder} PUBLIC "${CMAKE_SOURCE_DIR}")
  # A CString passed through "..." must be a compile error, not a silent copy.
  target_compile_options(${folder} PRIVATE -Werror=conditionally-supported)
  target_link_libraries(${folder} PUBLIC kestrova_jpeg kestrova_png kestrova_zlib)
  set_property(GLOBAL APPEND PROPERTY KESTROVA_LIBRARIES ${folder})
endfunction()

# kestrova_all: every folder library, linked as one group because the layers
# call each other in both directions at a few places.
function(kestrova_define_all_target)
  get_property(libs GLOBAL PROPERTY KESTROVA_LIBRARIES)
  add_library(kestrova_all INTERFACE)
  target_include_directories(kestrova_all INTERFACE "${CMAKE_SOURCE_DIR}")
  if(libs)
    string(REPLACE ";" "," libs_csv "${libs}")
    target_link_libraries(kestrova_all INTERFACE "$<LINK_GROUP:RESCAN,${libs_csv}>")
  endif()
  target_link_libraries(kestrova_all INTERFACE
    kestrova_png kestrova_jpeg kestrova_zlib ${KESTROVA_SYSTEM_LIBRARIES})
endfunction()

# Windows paths of the source and build folders as Wine sees them (drive Z: is /).
set(KESTROVA_WIN_SOURCE_DIR "Z:${CMAKE_SOURCE_DIR}")
set(KESTROVA_WIN_BINARY_DIR "Z:${CMAKE_BINARY_DIR}")

# Every folder tools/programs/NAME becomes the console program NAME.exe.
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
    target_link_libraries(${name} PRIVATE kestrova_all)
    target_compile_definitions(${name} PRIVATE
      KESTROVA_SOURCE_DIR="${KESTROVA_WIN_SOURCE_DIR}" KESTROVA_BINARY_DIR="${KESTROVA_WIN_BINARY_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}")
  endforeach()
endfunction()
