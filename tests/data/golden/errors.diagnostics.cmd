# The errors of the example, one line each, named as the file is given.
check --diagnostics errors.txt
in: $examples
status: 1
