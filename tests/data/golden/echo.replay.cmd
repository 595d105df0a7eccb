# IN and OUT, press by press.
replay $examples/echo.txt --input echo.input
