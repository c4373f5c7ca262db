# Turns a program's --help text into its manual page: the usage lines make
# the synopsis, the rest the description, with its option table kept as a
# list ("  -x, --long ARG   what it does" and the lines indented under it).
#   PROGRAM --help | awk -v version=V -v name="what it does" -f help-to-man.awk
function roff(s) {
  gsub(/\\/, "\\e", s)
  gsub(/-/, "\\-", s)
  sub(/^[.']/, "\\\\&&", s)
  return s
}
NR == 1 {
  sub(/^Usage: +/, "")
  prog = $1
  print ".TH " toupper(prog) " 1 \"\" \"" prog " " version "\" \"User Commands\""
  print ".nh\n.SH NAME\n" roff(prog) " \\- " roff(name) "\n.SH SYNOPSIS\n.B " roff(prog)
  print roff(substr($0, length(prog) + 2))
  synopsis = 1
  next
}
/^$/ {
  print synopsis ? ".SH DESCRIPTION" : ".PP"
  synopsis = 0
  next
}
/^  -/ {
  line = substr($0, 3)
  gap = index(line, "  ")
  text = substr(line, gap)
  sub(/^ +/, "", text)
  print ".TP\n\\fB" roff(substr(line, 1, gap - 1)) "\\fR\n" roff(text)
  next
}
{
  sub(/^ +/, "")
  print roff($0)
}
