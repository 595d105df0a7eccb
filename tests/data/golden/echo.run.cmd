# IN of "COMET", CALL of a subroutine, OUT of a buffer whose DS area reaches
# the length word, DMP, and the main program's RET.
run $examples/echo.txt --input echo.input
