# SVC with a number the system does not know ends the run.
run --dialect standard bad_svc.cas --input /dev/null
