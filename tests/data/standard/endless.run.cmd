# The step limit ends an endless loop.
run --dialect standard endless.cas --steps 1000 --input /dev/null
