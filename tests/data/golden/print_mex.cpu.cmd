print cpu print_mex.txt --input /dev/null
