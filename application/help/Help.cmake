# The help file Kestrova-Help.chm, compiled from the HTML pages beside this
# file with chmcmd (Debian's fp-utils) into the build folder next to the program.
find_program(KESTROVA_CHMCMD chmcmd)
set(KESTROVA_HELP_FILE "${CMAKE_BINARY_DIR}/Kestrova-Help.chm")
if(KESTROVA_CHMCMD)
  set(help_dir "${CMAKE_SOURCE_DIR}/application/help")
  file(GLOB help_sources CONFIGURE_DEPENDS "${help_dir}/*.html" "${help_dir}/*.hh?")
  set(help_work "${CMAKE_BINARY_DIR}/help")
  add_custom_command(
    OUTPUT "${KESTROVA_HELP_FILE}"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${help_work}"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${help_dir}" "${help_work}"
    COMMAND ${CMAKE_COMMAND} -E chdir "${help_work}" ${KESTROVA_CHMCMD} Kestrova-Help.hhp
    COMMAND ${CMAKE_COMMAND} -E copy "${help_work}/Kestrova-Help.chm" "${KESTROVA_HELP_FILE}"
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}"
    DEPENDS ${help_sources}
    COMMENT "Compiling Kestrova-Help.chm"
    VERBATIM)
  add_custom_target(help_file ALL DEPENDS "${KESTROVA_HELP_FILE}")
else()
  message(WARNING "chmcmd not found (Debian package fp-utils): Kestrova-Help.chm is not built")
endif()
