# Linked files belong to standard programs only.
run tabs.cas --link units.cas
status: 2
stderr: casl2wb-cli: run: --link needs --dialect standard (casl2wb-cli --help for more)
