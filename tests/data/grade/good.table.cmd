# Every case passed: exit status 0.
grade copy.toml good.txt
