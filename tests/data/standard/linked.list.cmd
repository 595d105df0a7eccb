# The check's list of two files, each under its heading, and the words.
check --dialect standard linked_main.cas --link linked_lib.cas
