# DC: decimal, negative, hex, text with a doubled quote, a label's address; DS 0.
check --dialect standard constants.cas
