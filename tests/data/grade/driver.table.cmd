# A subroutine graded with the teacher's main program (driver) and a linked
# library: the example's own COUNT and one that counts one bit too many.
grade count_bits.toml count_bits.cas ../tests/data/grade/count_bits_wrong.cas --jobs 1
in: $examples
status: 1
