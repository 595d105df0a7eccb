# A loop with literals that ends with the address error.
run $examples/countdown.txt --input /dev/null
