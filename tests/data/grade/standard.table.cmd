# A standard program and its linked subroutine: one file right, one wrong, one
# with an error of the check (a label that no unit has).
grade sum_to_ten.toml sum_to_ten.cas ../tests/data/grade/std_wrong.cas ../tests/data/grade/std_errors.cas --jobs 1
in: $examples
status: 1
