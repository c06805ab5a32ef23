# Every source folder is one static library made of the files it holds, so a
# new file needs no build edit. A card folder with no sources yet adds nothing.
set(OVRIDA_CARD_LIBRARIES "" CACHE INTERNAL "")

function(ovrida_library name)
  cmake_parse_arguments(ARG "CARD" "" "DEPENDS" ${ARGN})
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
  if(ARG_CARD)
    set(OVRIDA_CARD_LIBRARIES ${OVRIDA_CARD_LIBRARIES} ${name} CACHE INTERNAL "")
  endif()
endfunction()

# tests/<folder>/<name>_test.cpp becomes the test executable <folder>_<name>.
function(ovrida_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/support/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/support/*.h)
  foreach(test ${tests})
    get_filename_component(base ${test} NAME_WE)
    string(REGEX REPLACE "_test$" "" base ${base})
    set(target ${folder}_${base})
    add_executable(${target} ${test} ${support})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE ${ARGN} Qt6::Test)
    target_compile_definitions(${target} PRIVATE OVRIDA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
  endforeach()
endfunction()
