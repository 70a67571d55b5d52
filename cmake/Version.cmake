# The one version of the deliverables and their installer packages: the
# project version, unless a build of the same sources is asked to carry
# another (the installer's upgrade test builds a newer one).
set(ZELVA_VERSION_OVERRIDE "" CACHE STRING "Build the deliverables and packages as this version (MAJOR.MINOR.PATCH)")
if(ZELVA_VERSION_OVERRIDE)
  set(ZELVA_VERSION "${ZELVA_VERSION_OVERRIDE}")
else()
  set(ZELVA_VERSION "${PROJECT_VERSION}")
endif()
if(NOT ZELVA_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "The version must be MAJOR.MINOR.PATCH, not \"${ZELVA_VERSION}\"")
endif()
set(ZELVA_VERSION_MAJOR ${CMAKE_MATCH_1})
set(ZELVA_VERSION_MINOR ${CMAKE_MATCH_2})
set(ZELVA_VERSION_PATCH ${CMAKE_MATCH_3})
# Windows Installer compares only the first three fields, each within these bounds.
if(ZELVA_VERSION_MAJOR GREATER 255 OR ZELVA_VERSION_MINOR GREATER 255 OR ZELVA_VERSION_PATCH GREATER 65535)
  message(FATAL_ERROR "The version ${ZELVA_VERSION} is out of the installer's range (255.255.65535)")
endif()

set(ZELVA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ZelvaVersion.h.in ${ZELVA_GENERATED_DIR}/ZelvaVersion.h @ONLY)
include_directories(${ZELVA_GENERATED_DIR})

# The resource compiler reports no header dependencies: the version resources
# are rebuilt when the version changes. Called once the deliverables exist.
function(zelva_track_version_resources)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/host/Host.rc DIRECTORY ${PROJECT_SOURCE_DIR}/host
    APPEND PROPERTY OBJECT_DEPENDS ${ZELVA_GENERATED_DIR}/ZelvaVersion.h)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/module/Module.rc DIRECTORY ${PROJECT_SOURCE_DIR}/module
    APPEND PROPERTY OBJECT_DEPENDS ${ZELVA_GENERATED_DIR}/ZelvaVersion.h)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/settings/Settings.rc DIRECTORY ${PROJECT_SOURCE_DIR}/settings
    APPEND PROPERTY OBJECT_DEPENDS ${ZELVA_GENERATED_DIR}/ZelvaVersion.h)
endfunction()
