# Control and invisible characters of a program's output are shown escaped.
grade control.toml control.cas
status: 1
