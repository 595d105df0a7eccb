# IN, PUSH, POP, CALL, the subroutine, RPUSH and RPOP (whose step lies on no
# line of the trace text, so nothing is selected).
replay replay_stack.txt --input replay_stack.input
