# The same errors for editors, in the order of their lines and columns.
check --dialect standard --diagnostics labels.cas
status: 1
