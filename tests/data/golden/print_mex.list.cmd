print list print_mex.txt --input /dev/null
