# Two units with the same local labels; the entry named by START; CALL by the unit's name.
run --dialect standard units.cas --input /dev/null
