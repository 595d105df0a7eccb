# A program of two files: the second given with --link.
run --dialect standard linked_main.cas --link linked_lib.cas --input /dev/null
