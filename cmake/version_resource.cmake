# Gives a Windows program its version resource: product name, version and a description.
function(krugolet_version_resource target description)
  set(KRUGOLET_FILE_DESCRIPTION "${description}")
  set(KRUGOLET_FILE_NAME "${target}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
