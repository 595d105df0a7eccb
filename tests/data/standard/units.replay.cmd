# Each step of the replay: the panel, the step's line and the words it wrote.
replay --dialect standard units.cas --presses 6 --input /dev/null
