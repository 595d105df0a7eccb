# The browser edition, built with emscripten (make web): the text front end
# as a node program, build-web/casl2wb-cli.js, and the site's module.
#
# The text front end's header-only libraries come from the machine's include
# folder, each seen through a folder of its own, so that the machine's C
# library headers stay out of the browser build.
set(CASL2WB_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${CASL2WB_HOST_HEADERS})
foreach(folder CLI toml++ nlohmann)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/install-deps")
  endif()
  if(NOT EXISTS ${CASL2WB_HOST_HEADERS}/${folder})
    file(CREATE_LINK /usr/include/${folder} ${CASL2WB_HOST_HEADERS}/${folder} SYMBOLIC)
  endif()
endforeach()

# One file that node runs, its WebAssembly inside; files are the machine's
# own (NODERAWFS), and the exit status is the program's.
casl2wb_program(casl2wb-cli cli LINKS casl2wb_documents)
target_include_directories(casl2wb-cli SYSTEM PRIVATE ${CASL2WB_HOST_HEADERS})
target_compile_definitions(casl2wb-cli PRIVATE TOML_HEADER_ONLY=1
  CASL2WB_PDF_MODULE_FROM_BINDIR="casl2wb-pdf.so")
set_target_properties(casl2wb-cli PROPERTIES SUFFIX ".js")
target_link_options(casl2wb-cli PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sSINGLE_FILE=1
  -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node)

# The page's module: the workbench the page drives (src/web), a script that
# defines createWorkbenchModule with its WebAssembly inside; node loads it
# too (the benchmark).
casl2wb_layer(web LINKS casl2wb_documents)
target_include_directories(casl2wb_web SYSTEM PUBLIC ${CASL2WB_HOST_HEADERS})
add_executable(casl2wb-web src/web/module/web_module.cpp)
target_link_libraries(casl2wb-web PRIVATE casl2wb_web)
set_target_properties(casl2wb-web PROPERTIES SUFFIX ".js")
target_link_options(casl2wb-web PRIVATE --bind -sMODULARIZE=1
  -sEXPORT_NAME=createWorkbenchModule -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web,node -sFILESYSTEM=1)

# The static site, build-web/site: the page, its styles, its scripts with the
# editor bundled (web/build.mjs, from the packages web/package-lock.json
# pins, which make web installs) and the module.
file(GLOB CASL2WB_SITE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/src/*.js
     ${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_SOURCE_DIR}/web/style.css
     ${PROJECT_SOURCE_DIR}/web/build.mjs)
find_program(CASL2WB_NODE node REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/site/index.html ${PROJECT_BINARY_DIR}/site/app.js
  COMMAND ${CASL2WB_NODE} ${PROJECT_SOURCE_DIR}/web/build.mjs ${PROJECT_BINARY_DIR}/site
          $<TARGET_FILE:casl2wb-web>
  DEPENDS casl2wb-web ${CASL2WB_SITE_SOURCES}
  COMMENT "Building the site")
add_custom_target(casl2wb-site ALL DEPENDS ${PROJECT_BINARY_DIR}/site/index.html)
