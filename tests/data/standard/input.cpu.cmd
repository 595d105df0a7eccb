# The CPU trace of a run.
print cpu --dialect standard input.cas --input input.in
