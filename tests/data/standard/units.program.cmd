# The printed translation.
print program --dialect standard units.cas
