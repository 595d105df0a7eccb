# POP on an empty stack ends the run.
run --dialect standard underflow.cas --input /dev/null
