# The one version number of every module and of the installer: VERSION at the top of the
# tree, "major.minor" with two minor digits as the about box shows it (1.09).
file(STRINGS ${PROJECT_SOURCE_DIR}/VERSION KV_VERSION LIMIT_COUNT 1)
if(NOT KV_VERSION MATCHES "^([0-9]+)\\.([0-9][0-9])$")
  message(FATAL_ERROR "VERSION must read major.minor with two minor digits, not '${KV_VERSION}'")
endif()
set(KV_VERSION_MAJOR ${CMAKE_MATCH_1})
math(EXPR KV_VERSION_MINOR "${CMAKE_MATCH_2}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/VERSION)
set(KV_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/KVVersion.h.in ${KV_GENERATED_DIR}/KVVersion.h @ONLY)
include_directories(${KV_GENERATED_DIR})

# A module that ships: it carries the version resource and loses its symbol table once built,
# after the checks of its exports that read it (call this after adding them).
# type is VFT_APP or VFT_DLL; file_name the name it ships under.
function(kv_deliverable target type file_name description)
  set(KV_MODULE_TYPE ${type})
  set(KV_MODULE_FILE ${file_name})
  set(KV_MODULE_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/ModuleVersion.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>)
endfunction()
