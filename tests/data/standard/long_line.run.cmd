# No limit of 72 characters, in a line or a text constant.
run --dialect standard long_line.cas --input /dev/null
