print cpu print_program.txt --input print_program.input
