# Literals with LD, ADDA, LAD, ST, a shift, CPA and OUT; each has its own words.
run --dialect standard literals.cas --input /dev/null
