#!/usr/bin/env bash
# Checks the manual page and the help texts, both made from the manual's one source:
#   manual-check.sh PROGRAM MANPAGE
# The page renders without a warning; every line of a help text that is not a filled paragraph
# (usages, options, examples, the codes table) is on the rendered page too; every option a
# command's help names is one the command takes; and every example of `quorlin help codes` gives
# the result it shows, in the dialects it names ("both": as written and with --dialect pick).
set -uo pipefail
program=${1:?usage: manual-check.sh PROGRAM MANPAGE}
page=${2:?usage: manual-check.sh PROGRAM MANPAGE}
failed=0
fail() { failed=$((failed + 1)); printf 'FAILED %s\n' "$*"; }

warnings=$(LC_ALL=C.UTF-8 groff -ww -man -z "$page" 2>&1)
[[ -z $warnings ]] || fail "groff warns: $warnings"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "man warns: $warnings"

squeeze() { tr -s ' \t' ' ' | sed 's/^ //; s/ $//'; }
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b | squeeze)
commands=$("$program" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p')
[[ $commands == *convert* ]] || fail "quorlin --help lists no commands: $commands"
for topic in $commands codes; do
  text=$("$program" help "$topic") || fail "quorlin help $topic"
  while IFS= read -r line; do
    [[ -z $line || $rendered == *"$line"* ]] || fail "help $topic: '$line' is not on the page"
  done < <(grep '^  ' <<<"$text" | squeeze)
  for option in $(grep -o '^  \(-[a-z], \)\?--[a-z-]*' <<<"$text" | grep -o -- '--[a-z-]*'); do
    if "$program" "$topic" "$option" x </dev/null 2>&1 >/dev/null | grep -q 'not expected'; then
      fail "help $topic names $option, which quorlin $topic does not take"
    fi
  done
done

quorlin() { "$program" "$@"; }
examples=0
while IFS= read -r line; do
  if [[ $line =~ ^\ {4}(both|universe|pick)\ +(quorlin .*) ]]; then
    dialect=${BASH_REMATCH[1]} rest=${BASH_REMATCH[2]}
    command=${rest%%  *}
    expected=${rest#"$command"}
    [[ $command != "$rest" ]] || IFS= read -r expected
    expected=$(squeeze <<<"$expected")
    runs=("$command")
    [[ $dialect == both ]] && runs+=("$command --dialect pick")
    for run in "${runs[@]}"; do
      examples=$((examples + 1))
      got=$(eval "$run" 2>&1)
      [[ $got == "$expected" ]] || fail "help codes: $run gives '$got', not '$expected'"
    done
  fi
done < <("$program" help codes)
((examples > 60)) || fail "help codes: only $examples examples read"
echo "manual: $examples examples; $failed failed"
[[ $failed == 0 ]]
