# Installs the build into a scratch prefix and checks what lands where:
# exactly the expected files, the examples unchanged, the menu entry's keys,
# the manual pages as man shows them, the bash completion, and the installed
# text front end answering --version, checking an installed example, grading
# it against its installed test file and, with the desktop program, printing
# it as a PDF file through the installed PDF module.
#
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DLIBDIR=lib -DDATADIR=share
#       -DEXAMPLES_DIR=share/casl2wb/examples -DSOURCE_EXAMPLES=...
#       -DMANDIR=share/man -DCOMPLETIONS_DIR=share/bash-completion/completions
#       -DDESKTOP=ON|OFF -DVERSION=x.y.z -P check-install.cmake

cmake_minimum_required(VERSION 3.25)

function(fail text)
  message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  fail("cmake --install failed (${status}):\n${out}${err}")
endif()

# The expected files, relative to the prefix.
set(expected ${BINDIR}/casl2wb-cli ${MANDIR}/man1/casl2wb-cli.1.gz
    ${COMPLETIONS_DIR}/casl2wb-cli)
file(GLOB source_examples RELATIVE ${SOURCE_EXAMPLES} ${SOURCE_EXAMPLES}/*.txt
     ${SOURCE_EXAMPLES}/*.toml ${SOURCE_EXAMPLES}/*.cas)
if(NOT source_examples)
  fail("no examples in ${SOURCE_EXAMPLES}")
endif()
foreach(example ${source_examples})
  list(APPEND expected ${EXAMPLES_DIR}/${example})
endforeach()
if(DESKTOP)
  list(APPEND expected
       ${BINDIR}/casl2wb
       ${LIBDIR}/casl2wb/casl2wb-pdf.so
       ${MANDIR}/man1/casl2wb.1.gz
       ${DATADIR}/applications/casl2wb.desktop
       ${DATADIR}/icons/hicolor/scalable/apps/casl2wb.svg)
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/casl2wb.png)
  endforeach()
endif()
list(SORT expected)

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " want "${expected}")
  string(REPLACE ";" "\n  " got "${installed}")
  fail("installed files differ.\nexpected:\n  ${want}\ninstalled:\n  ${got}")
endif()

# The examples are copied byte for byte (one of them is CP932, not UTF-8).
foreach(example ${source_examples})
  file(SHA256 ${SOURCE_EXAMPLES}/${example} want)
  file(SHA256 ${PREFIX}/${EXAMPLES_DIR}/${example} got)
  if(NOT want STREQUAL got)
    fail("installed example ${example} differs from examples/${example}")
  endif()
endforeach()

# The programs are executable.
set(programs casl2wb-cli)
if(DESKTOP)
  list(APPEND programs casl2wb)
endif()
foreach(program ${programs})
  execute_process(COMMAND test -x ${PREFIX}/${BINDIR}/${program} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    fail("${PREFIX}/${BINDIR}/${program} is not executable")
  endif()
endforeach()

# The menu entry starts the desktop program and shows its icon. Read whole:
# some lines hold semicolons, which a CMake list would split.
if(DESKTOP)
  file(READ ${PREFIX}/${DATADIR}/applications/casl2wb.desktop entry)
  string(PREPEND entry "\n")
  foreach(line
          "[Desktop Entry]"
          "Type=Application"
          "Name=CASL II Workbench"
          "Name[ja]=CASL II ワークベンチ"
          "Exec=casl2wb"
          "Icon=casl2wb"
          "Terminal=false"
          "Categories=Education;Development;")
    string(FIND "${entry}" "\n${line}\n" found)
    if(found EQUAL -1)
      fail("casl2wb.desktop lacks the line ${line}")
    endif()
  endforeach()
  foreach(key "Comment=" "Comment\\[ja\\]=")
    if(NOT entry MATCHES "\n${key}[^\n]+\n")
      fail("casl2wb.desktop lacks a line ${key}...")
    endif()
  endforeach()
endif()

# The manual pages as man shows them: their name, synopsis and version, and
# no warning of the formatter.
set(pages casl2wb-cli)
if(DESKTOP)
  list(APPEND pages casl2wb)
endif()
find_program(MAN man)
if(MAN)
  foreach(page ${pages})
    # A UTF-8 locale, so that the Japanese of the pages is set whatever the caller's.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat
                            ${MAN} --warnings -l ${PREFIX}/${MANDIR}/man1/${page}.1.gz
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT err STREQUAL "")
      fail("man -l ${page}.1.gz: status ${status}\n${err}")
    endif()
    foreach(part "NAME\n       ${page} " "SYNOPSIS\n" "casl2wb ${VERSION}")
      string(FIND "${out}" "${part}" found)
      if(found EQUAL -1)
        fail("man -l ${page}.1.gz does not show '${part}':\n${out}")
      endif()
    endforeach()
  endforeach()
else()
  message(WARNING "man is not installed: the manual pages are not shown")
endif()

# The bash completion defines the completion of casl2wb-cli.
execute_process(COMMAND bash -c "source \"$1\" && complete -p casl2wb-cli" _
                        ${PREFIX}/${COMPLETIONS_DIR}/casl2wb-cli
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out STREQUAL "complete -F _casl2wb_cli casl2wb-cli\n")
  fail("the installed bash completion: status ${status}, output '${out}'\n${err}")
endif()

# The installed text front end.
set(cli ${PREFIX}/${BINDIR}/casl2wb-cli)
execute_process(COMMAND ${cli} --version RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out STREQUAL "casl2wb-cli ${VERSION}\n")
  fail("installed casl2wb-cli --version: status ${status}, output '${out}'")
endif()
execute_process(COMMAND ${cli} check ${PREFIX}/${EXAMPLES_DIR}/hello.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  fail("installed casl2wb-cli check hello.txt: status ${status}\n${out}${err}")
endif()
execute_process(COMMAND ${cli} check ${PREFIX}/${EXAMPLES_DIR}/errors.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 1)
  fail("installed casl2wb-cli check errors.txt: status ${status}, expected 1\n${out}${err}")
endif()

execute_process(COMMAND ${cli} grade ${PREFIX}/${EXAMPLES_DIR}/echo.toml
                        ${PREFIX}/${EXAMPLES_DIR}/echo.txt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  fail("installed casl2wb-cli grade echo.toml echo.txt: status ${status}\n${out}${err}")
endif()

if(DESKTOP)
  set(pdf ${PREFIX}/hello.pdf)
  execute_process(COMMAND ${cli} print list ${PREFIX}/${EXAMPLES_DIR}/hello.txt --pdf ${pdf}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  file(READ ${pdf} head LIMIT 5 HEX)
  if(NOT status EQUAL 0 OR NOT head STREQUAL "255044462d")  # %PDF-
    fail("installed casl2wb-cli print list hello.txt --pdf: status ${status}\n${out}${err}")
  endif()
endif()

file(REMOVE_RECURSE ${PREFIX})
