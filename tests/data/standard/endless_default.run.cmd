# The step limit of a run unless --steps sets another.
run --dialect standard endless.cas --input /dev/null
