# Helpers shared by every folder of the tree.
#
# Each platform folder is one static library made of every .cpp in it, so that
# adding a unit needs no edit of a build file. Dependencies point downwards only.

# morvane_library(<target> DEPS <targets...>)
function(morvane_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    # A folder with headers only so far.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# morvane_test(<target> DEPS <targets...>): one GoogleTest executable made of
# every .cpp in the current tests folder, registered with CTest.
function(morvane_test target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    MORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    MORVANE_CORPUS_DIR="${PROJECT_SOURCE_DIR}/../shared/corpus/dfm")
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
