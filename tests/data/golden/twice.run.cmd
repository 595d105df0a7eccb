# The second run starts from the memory the first left.
run twice.txt --runs 2 --input /dev/null
