print program print_mex.txt --input /dev/null
