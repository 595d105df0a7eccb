# IN of a line, an empty line (length 0) and the end of input (-1); OUT by its length.
run --dialect standard input.cas --input input.in
