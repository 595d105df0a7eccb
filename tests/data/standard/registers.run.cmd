# RPUSH and RPOP keep GR1-GR7; the first push goes to FFFF.
run --dialect standard registers.cas --input /dev/null
