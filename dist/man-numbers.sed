# help2man sets every "-word" in bold as a flag; a negative number in a range is not one.
s/\\fB\\-\([0-9][0-9.]*\)\\fR/\\-\1/g
