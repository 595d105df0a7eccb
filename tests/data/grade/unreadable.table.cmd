# A file that cannot be read is an error of its own.
grade copy.toml good.txt missing.txt
status: 2
stderr: casl2wb-cli: missing.txt: No such file or directory
