# A stack that grows into the program ends the run.
run --dialect standard overflow.cas --input /dev/null
