# FR after overflowing additions and subtractions, shifts and comparisons.
run --dialect standard flags.cas --input /dev/null
