# Every way a case passes or fails.
grade copy.toml good.txt wrong_output.txt extra_output.txt no_output.txt wrong_register.txt wrong_memory.txt no_label.txt endless.txt range_error.txt blank_word.txt check_errors.txt
status: 1
