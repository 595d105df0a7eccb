print program print_program.txt --input print_program.input
