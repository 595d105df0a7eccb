print run print_mex.txt --input /dev/null
