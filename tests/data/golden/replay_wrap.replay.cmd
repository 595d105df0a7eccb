# The loop back to L finds its line only after the search wraps.
replay replay_wrap.txt --input /dev/null
