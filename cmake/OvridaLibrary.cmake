# Every source folder is one static library made of the files it holds, so a
# new file needs no build edit. A folder with no sources yet adds nothing.

function(ovrida_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(dep ${ARG_DEPENDS})
    # A project library that has no sources yet is simply not there.
    if(TARGET ${dep} OR NOT dep MATCHES "^ovrida_")
      target_link_libraries(${name} PUBLIC ${dep})
    endif()
  endforeach()
  if(name STREQUAL "ovrida_cardfile")
    ovrida_use_headers(${name} ovrida_pch_core)
  else()
    # The widgets' precompiled header is valid only with its own Qt modules.
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
    ovrida_use_headers(${name} ovrida_pch_widgets)
  endif()
endfunction()

# tests/<folder>/<name>_test.cpp becomes the test executable <folder>_<name>;
# the folder's support/ files are one library the folder's tests link.
function(ovrida_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/support/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/support/*.h)
  # Every test has the same Qt modules, so that all share one precompiled header.
  set(libraries ${ARGN} Qt6::Widgets Qt6::PrintSupport Qt6::Test)
  set(definitions ${OVRIDA_TEST_DEFINITIONS})
  set(support_library "")
  if(support)
    set(support_library ${folder}_support)
    add_library(${support_library} STATIC ${support})
    target_include_directories(${support_library} PUBLIC ${PROJECT_SOURCE_DIR}/src
                               ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${support_library} PUBLIC ${libraries})
    target_compile_definitions(${support_library} PRIVATE ${definitions})
    ovrida_use_headers(${support_library} ovrida_pch_tests)
  endif()
  foreach(test ${tests})
    get_filename_component(base ${test} NAME_WE)
    string(REGEX REPLACE "_test$" "" base ${base})
    set(target ${folder}_${base})
    add_executable(${target} ${test})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE ${support_library} ${libraries})
    target_compile_definitions(${target} PRIVATE ${definitions})
    # A test that sets QtTest's own switches before including it reads the
    # headers itself.
    file(STRINGS ${test} switches REGEX "^#define QTEST_")
    if(switches)
      set_source_files_properties(${test} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
    ovrida_use_headers(${target} ovrida_pch_tests)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
  endforeach()
endfunction()
