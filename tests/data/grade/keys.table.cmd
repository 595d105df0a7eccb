# The keys of a case: defaults, points, hidden cases, its own pass limit,
# memory at LABEL+N and as lists, integers, and the ways of matching OUT lines.
grade keys.toml good.txt wrong_output.txt endless.txt --jobs 1
status: 1
