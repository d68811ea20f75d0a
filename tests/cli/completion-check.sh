#!/usr/bin/env bash
# Asks bash for completions of quorlin command lines and checks the answers:
#   completion-check.sh SCRIPT     the completion script itself
#   completion-check.sh installed  the one bash-completion finds for quorlin on this machine
set -uo pipefail
source /usr/share/bash-completion/bash_completion
if [[ ${1:?usage: completion-check.sh SCRIPT|installed} == installed ]]; then
  _completion_loader quorlin
else
  source "$1"
fi
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
printf 'id,"day, paid",time\r\n1,21527,62864\n' >orders.csv
printf 'id\xfeday\xfetime\n' >dump.txt

# check LINE EXPECTED: the words bash offers at the end of LINE, sorted, against EXPECTED.
check() {
  local line=$1 expected=$2 function
  COMP_LINE=$line
  COMP_POINT=${#line}
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  function=$(complete -p quorlin 2>/dev/null | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
  [[ -n $function ]] || { failed=$((failed + 1)); echo "FAILED: no completion for quorlin"; return; }
  # compopt speaks only to a completion bash itself started.
  "$function" quorlin "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd ' ')
  if [[ $got != "$expected" ]]; then
    failed=$((failed + 1))
    printf 'FAILED %q: got [%s], want [%s]\n' "$line" "$got" "$expected"
  fi
}

check "quorlin " "char convert day diff help iconv oconv time"
check "quorlin --dialect pick c" "char convert"
check "quorlin --dialect " "pick universe"
check "quorlin day --f" "--format"
check "quorlin oconv --s" "--status"
check "quorlin help co" "codes convert"
check "quorlin convert --on-error " "empty fail keep"
check "quorlin convert --delimiter s" "sm svm"
check "quorlin iconv --encoding=" "bytes utf8"
# --field after --header: the columns of the file named on the line, in its record format.
check "quorlin convert --csv --header orders.csv --field " "day, paid= id= time="
check "quorlin convert --header --csv orders.csv --field=t" "time="
check "quorlin convert --delimiter am --header dump.txt --field d" "day="
check "quorlin convert --header dump.txt --field " "$(printf 'id\xfeday\xfetime=')"
check "quorlin convert --csv orders.csv --field " ""
check "quorlin convert --csv --header orders.csv --field time=" "time=iconv: time=oconv:"
echo "completion: $failed failed"
[[ $failed == 0 ]]
