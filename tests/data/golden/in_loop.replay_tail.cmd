# 999 recorded steps, then the replay starts again at the first one: the
# presses from the 998th on.
replay in_loop.txt --input one_line.input --presses 1002
from: >> 998
stderr: 実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。
