# A label past the memory image has no word to compare.
grade far_label.toml far_label.txt
status: 1
