# A word that is no instruction ends the run.
run --dialect standard bad_word.cas --input /dev/null
