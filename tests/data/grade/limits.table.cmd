# The loop counts its passes in GR2: 50 of the test file, 20 of the LMT.
grade limits.toml endless.txt own_limit.txt good.txt
status: 1
