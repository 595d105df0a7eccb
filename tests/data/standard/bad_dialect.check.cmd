# A dialect that does not exist.
check --dialect ansi tabs.cas
status: 2
stderr: casl2wb-cli: check: --dialect takes standard or workbench (casl2wb-cli --help for more)
