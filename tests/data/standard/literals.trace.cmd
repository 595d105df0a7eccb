# The translation: each literal just before the END of its unit.
trace --dialect standard literals.cas
