# The expansions of IN and OUT: GR1 and GR2 kept on the stack around SVC 1 and SVC 2.
trace --dialect standard input.cas
