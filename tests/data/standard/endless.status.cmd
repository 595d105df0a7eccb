# How a standard run ended, on standard error.
run --dialect standard endless.cas --steps 50 --status --input /dev/null
stderr: endless.cas: ended: step-limit 50 after 50 steps
