#!/usr/bin/env bash
# Runs the quorlin program on a table of cases and checks each one's standard output and exit
# code:   quorlin-cases.sh PROGRAM      (a .exe is started with wine)
set -uo pipefail
program=${1:?usage: quorlin-cases.sh PROGRAM}
run=("$program")
if [[ $program == *.exe ]]; then run=(wine "$program"); fi

passed=0
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check NAME EXIT-CODE EXPECTED-OUTPUT ARG... (standard input from $IN when set)
check() {
  local name=$1 code=$2 expected=$3
  shift 3
  local out rc
  if [[ -v IN ]]; then
    out=$(printf '%b' "$IN" | "${run[@]}" "$@" 2>"$work/err"; echo "rc=$?")
  else
    out=$("${run[@]}" "$@" </dev/null 2>"$work/err"; echo "rc=$?")
  fi
  rc=${out##*rc=}
  out=${out%rc=*}
  out=${out%$'\n'}
  if [[ $rc == "$code" && $out == "$expected" ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s: exit %s (want %s)\n--- got\n%s\n--- want\n%s\n--- stderr\n%s\n' \
      "$name" "$rc" "$code" "$out" "$expected" "$(cat "$work/err")"
  fi
}

# check_err NAME TEXT: the last run's diagnostics contain TEXT.
check_err() {
  if grep -qF -- "$2" "$work/err"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s: stderr lacks %s\n--- stderr\n%s\n' "$1" "$2" "$(cat "$work/err")"
  fi
}

# check_file NAME FILE CONTENT: FILE holds CONTENT and a final line break, and no other file
# was left beside it.
check_file() {
  if [[ $(cat "$2") == "$3" && $(ls -A "$(dirname "$2")" | grep -c quorlin) == 0 ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s\n--- got\n%s\n--- folder\n%s\n' "$1" "$(cat "$2")" "$(ls -A "$(dirname "$2")")"
  fi
}

T=--today=2026-12-08
tab=$'\t'

check "day, TSV off a terminal" 0 "pick${tab}pc${tab}iso${tab}weekday
21527${tab}46364${tab}2026-12-08${tab}Tue" day 21527
check "day, every form, aligned" 0 "21527    pc:46364    2026-12-08  Tue
21527    pc:46364    2026-12-08  Tue
-718430  pc:-693593  0001-01-01  Mon
2933628  pc:2958465  9999-12-31  Fri
21527    pc:46364    2026-12-08  Tue" day --format text 21527 pc:46364 0001-01-01 9999-12-31 today "$T"
check "time, aligned" 0 "62864  17:27:44
90061  25:01:01
3723   1:02:03" time --format text 62864 90061 1:02:03
check "char, JSON" 0 '{"ascii":"A","dec":65,"hex":"41","binary":"100 0001","ctrl":"","mark":""}
{"ascii":"","dec":10,"hex":"a","binary":" 1010","ctrl":"J","mark":""}
{"ascii":"","dec":253,"hex":"fd","binary":" 1111 1101","ctrl":"","mark":"VM"}' char --format json A '^J' vm
check "diff" 0 "341" diff --format text 2026-01-01 2026-12-08
check "version" 0 "quorlin 1.0.0.0" --version
check "usage error" 64 "" day --format xml 1
check "unknown command" 64 "" frobnicate
check_err "unknown command named" "frobnicate"
check "oconv" 0 "08 DEC 2026
25 JUN 1950" oconv D 21527 -6398
check "oconv, pick" 0 "12-08-2026" oconv D4- 21527 --dialect pick
# An invalid code: named once with its position; every value STATUS 2, handed back unchanged.
check "oconv, invalid code" 2 "21527${tab}2
x${tab}2" oconv DZ 21527 x --status
check_err "invalid code named" "'DZ': 'Z' at position 2"
printf 'id,day,time\n1,21527,62864\n2,"x,y",3723\n' >"$work/in.csv"
check "convert, CSV with a header" 1 'id,day,time
1,12-08-2026,17:27:44
2,"x,y",01:02:03' convert --csv --header --field day=oconv:D4- --field 3=oconv:MTS "$work/in.csv"
check_err "convert, summary" "2 records, 4 fields read, 3 converted, 1 failed (STATUS 1: 1)"
check_err "convert, first failure" "record 3, column day (2): STATUS 1 for 'x,y'"
check "convert, missing file" 2 "" convert --field 1=oconv:D "$work/missing.csv"
check_err "convert, missing file named" "cannot read '$work/missing.csv'"

# --- A reader that stops early ends the run quietly.
seq 1 20000 | "${run[@]}" day --format tsv 2>"$work/err" | head -c 1 >/dev/null
rc=${PIPESTATUS[1]}
if [[ ! -s $work/err && ( $rc == 141 || $rc == 0 ) ]]; then passed=$((passed + 1)); else
  failed=$((failed + 1)); echo "FAILED closed output: exit $rc, stderr: $(cat "$work/err")"; fi

# --- Values from standard input: LF ends a line, one CR before it goes.
IN='21527\r\n-6398\n' check "day, lines of standard input" 0 "21527  pc:46364  2026-12-08  Tue
-6398  pc:18439  1950-06-25  Sun" day --format text
check "char, text" 0 "'A'  65   41  100 0001
''   10   a   1010       ^J
''   255  ff  1111 1111      IM
' '  32   20  10 0000
'5'  53   35  11 0101" char --format text x41 '^j' IM ' ' 53
# A value that cannot be read: named on standard error, the others still shown, exit 1.
check "day, one bad value" 1 "pick${tab}pc${tab}iso${tab}weekday
21527${tab}46364${tab}2026-12-08${tab}Tue" day --format tsv xyz 21527
check_err "day, bad value named" "day: 'xyz' is not a day"
check "day, out of range" 1 "" day --format text 2933629
check "time, bad minutes" 1 "" time 1:60
check_err "time, bad minutes named" "'1:60'"
check "char, beyond a byte" 1 "" char 256
# In utf8 mode a character stands for a byte, and the marks are U+F8FB to U+F8FF.
check "char, utf8" 0 "'é'  233  e9  1110 1001
'"$'\uF8FD'"'  253  fd  1111 1101    VM" char --encoding utf8 --format text é $'\uF8FD'
check "char, utf8 beyond a byte" 1 "" char --encoding utf8 €
check "diff, bad day" 1 "" diff 2026-02-30 1
check_err "diff, bad day named" "'2026-02-30'"
check "today needs a date" 64 "" day today --today=tomorrow

# --- Help: the usage with one example for each command.
for command in day time char diff oconv iconv convert help; do
  out=$("${run[@]}" "$command" --help)
  if [[ $out == *Usage:* && $out == *Example:* ]]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAILED $command --help: $out"; fi
done
out=$("${run[@]}" help convert)
if [[ $out == *"--on-error"* ]]; then passed=$((passed + 1)); else
  failed=$((failed + 1)); echo "FAILED help convert: $out"; fi
check "help of nothing" 64 "" help frobnicate

# --- oconv and iconv: the highest STATUS is the exit code.
check "oconv, STATUS column" 3 "08 DEC 2026${tab}0
2933629${tab}1
08 DEC 2026${tab}3" oconv D 21527 2933629 21527.5 --status
check "iconv" 0 "21527
21527" iconv D 12/8/2026 'dec 8 26' "$T"
IN='17:27:44\r\n-01:06:40\n' check "iconv, lines of standard input" 0 "62864
-4000" iconv MT
check "iconv, empty on failure" 1 "" iconv D 'De 8 2026' "$T"
# Text codes keep a value's spaces; numeric ones trim them.
check "oconv, text code" 0 " O'Brien-Smith Jr ${tab}0" oconv --dialect pick MCT " o'brien-smith jr " --status
check "oconv, numeric code" 0 "MMXXIV" oconv --dialect=pick MCDR " 2024 "
# After "--" everything is a value, wherever it stands.
check "values after --" 1 "00:00
-x" oconv MT 5 -- -x
check "diff after --" 0 "27925" diff --format text -- -6398 21527
check "diff needs two days" 64 "" diff 1

# --- convert: marks, error modes, -o.
# Fields between attribute marks; values and subvalues inside a field, each converted, their
# marks kept. A field with a piece that fails keeps its text, or with "empty" what the codes
# hand back (the failed piece as it was).
printf '1\xfe21527\xfd-6398\xfc13216\xfe62864\n2\xfe21527\xfdx\xfe1\n' >"$work/dump.txt"
check "convert, fields between attribute marks" 1 "$(printf '1\xfe08 DEC 2026\xfd25 JUN 1950\xfc07 MAR 2004\xfe17:27\n2\xfe21527\xfdx\xfe00:00')" \
  convert --delimiter am --field 2=oconv:D --field 3=oconv:MT "$work/dump.txt"
check "convert, marks, empty" 1 "$(printf '1\xfe08 DEC 2026\xfd25 JUN 1950\xfc07 MAR 2004\xfe62864\n2\xfe08 DEC 2026\xfdx\xfe1')" \
  convert --delimiter AM --field 2=oconv:D --on-error empty "$work/dump.txt"
check "convert, fail" 1 "id,day,time
1,12-08-2026,17:27:44" convert --csv --header --field day=oconv:D4- --field 3=oconv:MTS --on-error fail "$work/in.csv"
check_err "convert, fail names the value" "stopped at the first failure"
printf 'd,t\r\n12/8/2026,17:27:44\r\nbad,9\r\n' >"$work/external.csv"
check "convert, iconv, empty" 1 "$(printf 'd,t\r\n21527,62864\r\n,32400\r')" \
  convert --csv --header --field d=iconv:D --field t=iconv:MT --on-error empty --quiet "$T" "$work/external.csv"
check "convert to a file" 1 "" convert --csv --field 2=oconv:D4- -o "$work/out.csv" --quiet "$work/in.csv" --jobs 2
check_file "convert to a file, its content" "$work/out.csv" 'id,day,time
1,12-08-2026,62864
2,"x,y",3723'
check "convert, input is output" 64 "" convert --field 1=oconv:D -o "$work/in.csv" "$work/in.csv"
check "convert, a file after --field" 2 "" convert --field 1=oconv:D "$work/missing.csv" --field 2=oconv:D
check "convert, bad code" 64 "" convert --field 1=oconv:DZ "$work/in.csv"
check_err "convert, bad code named" "invalid code 'DZ'"
check "convert, name without header" 64 "" convert --field day=oconv:D "$work/in.csv"

# --jobs 2 writes what --jobs 1 writes, on input that takes every path: plain days and times in
# range (the direct path), values with marks, spaces, signs, fractions or out of range (the
# general path and failures), quoted fields with commas, line breaks and doubled quotes, CRLF,
# records cut across chunks, a quoted text of 3 MB (held whole) and one of 5 MB (streamed).
awk 'BEGIN {
  srand(7); print "id,day,time,text"
  long = "x y,"; while (length(long) < 5000000) long = long long
  for (i = 1; i <= 60000; i++) {
    r = int(rand() * 20); d = int(rand() * 40000) - 10000; t = int(rand() * 90000)
    day = r == 0 ? d "\xfd" d + 1 : r == 1 ? " " d : r == 2 ? "+" d : r == 3 ? d ".5" : r == 4 ? 99999999 : d
    text = r == 5 ? "\"a, \"\"b\"\"\nc\"" : r == 6 ? "\"\"" : "w" i
    if (i == 20000) text = "\"" substr(long, 1, 3000000) "\""
    if (i == 40000) text = "\"" substr(long, 1, 5000000) "\""
    printf "%s,%s,%s,%s%s\n", i, day, t, text, r == 7 ? "\r" : ""
  }
}' >"$work/mixed.csv"
for mode in keep empty; do
  for jobs in 1 2; do
    "${run[@]}" convert --csv --header --field day=oconv:D4- --field time=oconv:MTS \
      --field id=oconv:PC --on-error $mode --quiet --jobs $jobs "$work/mixed.csv" >"$work/mixed-$jobs.csv"
  done
  if cmp -s "$work/mixed-1.csv" "$work/mixed-2.csv" && [[ $(wc -l <"$work/mixed-1.csv") -gt 60000 ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED convert --jobs 2 against --jobs 1, $mode"
  fi
done

echo "quorlin: $passed passed, $failed failed"
[[ $failed == 0 ]]
