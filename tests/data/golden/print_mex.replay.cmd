# Extended memory: 64 rows of memory after every press.
replay print_mex.txt --input /dev/null
