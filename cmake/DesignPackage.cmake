# Design packages: shared libraries that a designer loads at run time to put
# components on its palette (docs/packages.md).
#
# morvane_design_package(NAME <name>
#                        UNITS <unit sources...>
#                        [SOURCES <other sources...>]
#                        [RESOURCES <folders...>]
#                        [REQUIRES <package names...>])
#
# builds <name in lower case>.dpl with
#   - a PACKAGEINFO binary resource listing the units (each unit is named after
#     its source file: Buttons.cpp is unit "Buttons") and the required packages,
#     written at build time by morvane_packageinfo;
#   - every file of the RESOURCES folders as a resource: Txxx.bmp becomes the
#     bitmap resource "Txxx", the glyph of class Txxx on the palette;
#   - the exports the units declare with platform/design/PackageUnit.h, such as
#     "Buttons.Register@51F89FF7".
# The package links against no platform library: it uses the host program's,
# which must export them (morvane_design_host).
#
# morvane_design_host(<executable> [LIBRARIES <platform libraries...>])
# lets packages loaded by the executable use its platform: exports its symbols
# and links the listed libraries whole, so that what a package calls is there
# even when the program itself does not call it.

include_guard(GLOBAL)
include("${CMAKE_CURRENT_LIST_DIR}/Resources.cmake")

if(NOT TARGET morvane_packageinfo)
  add_executable(morvane_packageinfo
    "${PROJECT_SOURCE_DIR}/platform/design/sdk/PackageInfoTool.cpp"
    "${PROJECT_SOURCE_DIR}/platform/design/PackageInfo.cpp")
  target_include_directories(morvane_packageinfo PRIVATE "${PROJECT_SOURCE_DIR}")
  target_link_libraries(morvane_packageinfo PRIVATE platform_core)
endif()

function(morvane_design_package)
  cmake_parse_arguments(ARG "" "NAME" "UNITS;SOURCES;RESOURCES;REQUIRES" ${ARGN})
  if(NOT ARG_NAME OR NOT ARG_UNITS)
    message(FATAL_ERROR "morvane_design_package needs NAME and UNITS")
  endif()
  set(target ${ARG_NAME})
  add_library(${target} SHARED ${ARG_UNITS} ${ARG_SOURCES})
  string(TOLOWER "${ARG_NAME}" file_name)
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".dpl" OUTPUT_NAME "${file_name}")
  target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${target} PRIVATE Qt6::Widgets)
  foreach(required IN LISTS ARG_REQUIRES)
    if(TARGET ${required})
      target_link_libraries(${target} PRIVATE ${required})
    endif()
  endforeach()

  set(units "")
  foreach(source IN LISTS ARG_UNITS)
    get_filename_component(unit "${source}" NAME_WE)
    list(APPEND units "${unit}")
  endforeach()
  string(REPLACE ";" "," units_arg "${units}")
  string(REPLACE ";" "," requires_arg "${ARG_REQUIRES}")

  # The resource folder must hold the file when the resources are listed at
  # configure time; the build writes its real content.
  set(info_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_packageinfo")
  set(info_file "${info_dir}/PACKAGEINFO")
  if(NOT EXISTS "${info_file}")
    file(WRITE "${info_file}" "")
  endif()
  add_custom_command(
    OUTPUT "${info_file}"
    COMMAND morvane_packageinfo "${info_file}" "${requires_arg}" "${units_arg}"
    DEPENDS morvane_packageinfo
    COMMENT "Writing the PACKAGEINFO of ${target}"
    VERBATIM)
  morvane_add_resources(${target} DIR ${ARG_RESOURCES} "${info_dir}")
endfunction()

function(morvane_design_host target)
  cmake_parse_arguments(ARG "" "" "LIBRARIES" ${ARGN})
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  # As link options, the archives come before the libraries the target links
  # the usual way, which may name them again: a link feature cannot be mixed
  # with a plain link of the same library.
  foreach(library IN LISTS ARG_LIBRARIES)
    target_link_options(${target} PRIVATE
      "LINKER:--whole-archive" "$<TARGET_FILE:${library}>" "LINKER:--no-whole-archive")
    target_link_libraries(${target} PRIVATE ${library})
  endforeach()
endfunction()
