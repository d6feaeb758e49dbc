# The standard genetics configurations are kept as plain text and sealed by the
# build into the standard-configurations folder beside the program.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(KESTROVA_STANDARD_CONFIG_DIR "${CMAKE_BINARY_DIR}/Configurations")
file(GLOB config_texts CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/configurations/*.txt")
set(sealed_configs "")
foreach(text ${config_texts})
  get_filename_component(stem "${text}" NAME_WE)
  set(sealed "${KESTROVA_STANDARD_CONFIG_DIR}/${stem}.gen")
  add_custom_command(
    OUTPUT "${sealed}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${KESTROVA_STANDARD_CONFIG_DIR}"
    COMMAND Python3::Interpreter "${CMAKE_SOURCE_DIR}/tools/seal" genetics "${text}" "${sealed}"
    DEPENDS "${text}" "${CMAKE_SOURCE_DIR}/tools/seal"
    COMMENT "Sealing ${stem}.gen"
    VERBATIM)
  list(APPEND sealed_configs "${sealed}")
endforeach()
add_custom_target(standard_configurations ALL DEPENDS ${sealed_configs})
