# How the run ended, on standard error.
run countdown.txt --input /dev/null --status
in: $examples
stderr: countdown.txt: ended: range-error at 0011 after 22 steps
