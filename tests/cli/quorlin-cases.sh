#!/usr/bin/env bash
# Runs the quorlin program on a table of cases and checks each one's standard output and exit
# code:   quorlin-cases.sh PROGRAM [all|portable]
# "portable" runs the cases that hold for the Windows program under Wine too (PROGRAM is then a
# .exe, started with wine).
set -uo pipefail
program=${1:?usage: quorlin-cases.sh PROGRAM [all|portable]}
scope=${2:-all}
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

T=--today=2026-12-08
tab=$'\t'

# --- The cases that run under Wine too.
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

# --- A reader that stops early ends the run quietly.
seq 1 20000 | "${run[@]}" day --format tsv 2>"$work/err" | head -c 1 >/dev/null
rc=${PIPESTATUS[1]}
if [[ ! -s $work/err && ( $rc == 141 || $rc == 0 ) ]]; then passed=$((passed + 1)); else
  failed=$((failed + 1)); echo "FAILED closed output: exit $rc, stderr: $(cat "$work/err")"; fi

if [[ $scope == all ]]; then
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

fi

echo "quorlin: $passed passed, $failed failed"
[[ $failed == 0 ]]
