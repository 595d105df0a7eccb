# A two-word instruction in the last word reaches past the memory.
run --dialect standard address_error.cas --input /dev/null
