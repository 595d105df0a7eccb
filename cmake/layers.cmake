# The layers of the workbench as static libraries, and the programs on top.
#
# Each layer folder src/NAME is seen through an include root of its own in
# the build tree (layers/NAME/NAME links to src/NAME), so "NAME/header.h"
# resolves only for the layer itself and for what links it.

function(casl2wb_include_root target name)
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${name} ${root}/${name} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    target_include_directories(${target} PUBLIC ${root})
  else()
    target_include_directories(${target} PRIVATE ${root})
  endif()
endfunction()

# casl2wb_layer(NAME [LINKS lib...] [EXCLUDE file...]): the library
# casl2wb_NAME of src/NAME, without the files named (in src/NAME).
function(casl2wb_layer name)
  cmake_parse_arguments(LAYER "" "" "LINKS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${name}/*.h)
  foreach(excluded ${LAYER_EXCLUDE})
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/src/${name}/${excluded})
  endforeach()
  add_library(casl2wb_${name} STATIC ${sources})
  casl2wb_include_root(casl2wb_${name} ${name})
  target_link_libraries(casl2wb_${name} PUBLIC ${LAYER_LINKS})
endfunction()

# casl2wb_program(TARGET FOLDER [LINKS lib...] [EXCLUDE file...]): a program
# of the sources in src/FOLDER.
function(casl2wb_program target folder)
  cmake_parse_arguments(PROGRAM "" "" "LINKS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  foreach(excluded ${PROGRAM_EXCLUDE})
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${excluded})
  endforeach()
  add_executable(${target} ${sources})
  casl2wb_include_root(${target} ${folder})
  target_link_libraries(${target} PRIVATE ${PROGRAM_LINKS})
endfunction()
