# Labels of up to eight upper-case letters and digits, each error with its line.
check --dialect standard labels.cas
status: 1
