# Comment lines and blank lines anywhere, indented or not; ";" inside quotes is text.
run --dialect standard comments.cas --input /dev/null
