# The CP932 tables of src/base/cp932_table.cpp, made in the build folder by
# tools/cp932_table.cpp from the C library's converter of the machine that
# builds. The browser build makes the tool with the machine's own compiler.
set(CASL2WB_GENERATED ${PROJECT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${CASL2WB_GENERATED})
set(CASL2WB_CP932_TABLES ${CASL2WB_GENERATED}/cp932_decodings.inc
    ${CASL2WB_GENERATED}/cp932_encodings.inc)
set(CASL2WB_CP932_TOOL_SOURCES ${PROJECT_SOURCE_DIR}/tools/cp932_table.cpp
    ${PROJECT_SOURCE_DIR}/src/base/cp932_iconv.cpp)

if(EMSCRIPTEN)
  find_program(CASL2WB_HOST_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  add_custom_command(OUTPUT ${CASL2WB_CP932_TABLES}
    COMMAND ${CASL2WB_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR}/src
            ${CASL2WB_CP932_TOOL_SOURCES} -o ${CASL2WB_GENERATED}/cp932_table
    COMMAND ${CASL2WB_GENERATED}/cp932_table ${CASL2WB_GENERATED}
    DEPENDS ${CASL2WB_CP932_TOOL_SOURCES}
    COMMENT "Making the CP932 tables with the C library's converter")
else()
  add_executable(casl2wb-cp932-table ${CASL2WB_CP932_TOOL_SOURCES})
  casl2wb_include_root(casl2wb-cp932-table base)
  add_custom_command(OUTPUT ${CASL2WB_CP932_TABLES}
    COMMAND casl2wb-cp932-table ${CASL2WB_GENERATED}
    DEPENDS casl2wb-cp932-table
    COMMENT "Making the CP932 tables with the C library's converter")
endif()

target_sources(casl2wb_base PRIVATE ${CASL2WB_CP932_TABLES})
target_include_directories(casl2wb_base PRIVATE ${CASL2WB_GENERATED})
