# Tabs and spaces separate the fields.
run --dialect standard tabs.cas --input /dev/null
