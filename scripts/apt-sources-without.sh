#!/usr/bin/env bash
# Writes a copy of the apt sources under ETC (sources.list and sources.list.d/) into OUT without the
# suites named on standard input, one "URI SUITE" a line:
#   bash scripts/apt-sources-without.sh ETC OUT < skip
# deb822 files (.sources) lose the suite from their Suites field (a stanza left with none is
# dropped); one-line files (.list) lose the lines of that URI and suite. ETC itself is only read.
set -euo pipefail
etc=${1:?usage: apt-sources-without.sh ETC OUT}
out=${2:?usage: apt-sources-without.sh ETC OUT}
mkdir -p "$out"
skip=$(mktemp)
trap 'rm -f "$skip"' EXIT
cat >"$skip"
for file in "$etc"/sources.list "$etc"/sources.list.d/*.list "$etc"/sources.list.d/*.sources; do
  [ -f "$file" ] || continue
  name=$(basename "$file")
  [ "$file" = "$etc/sources.list" ] && name=main.list
  if [[ $file == *.sources ]]; then
    awk -v skipfile="$skip" '
      BEGIN { while ((getline line < skipfile) > 0) { split(line, f, " "); skip[f[1] " " f[2]] = 1 } }
      function flush(   i, n, s, kept, out) {
        if (stanza == "") return
        n = split(suites, s, " "); kept = ""
        for (i = 1; i <= n; i++) {
          drop = 0
          for (u in uris) if ((uris[u] " " s[i]) in skip) drop = 1
          if (!drop) kept = kept " " s[i]
        }
        if (suites == "" || kept != "") {
          out = stanza
          if (suites != "") sub(/\nSuites:[^\n]*/, "\nSuites:" kept, out)
          printf "%s\n", out
        }
        stanza = ""; suites = ""; delete uris
      }
      /^[ \t]*$/ { flush(); next }
      {
        stanza = stanza "\n" $0
        if ($1 == "URIs:") for (i = 2; i <= NF; i++) { sub(/\/$/, "", $i); uris[i] = $i }
        if ($1 == "Suites:") { suites = $0; sub(/^Suites:[ \t]*/, "", suites) }
      }
      END { flush() }' "$file" >"$out/$name"
  else
    awk -v skipfile="$skip" '
      BEGIN { while ((getline line < skipfile) > 0) { split(line, f, " "); skip[f[1] " " f[2]] = 1 } }
      /^[ \t]*deb/ {
        line = $0; sub(/\[[^]]*\]/, "", line); split(line, f, " ")
        uri = f[2]; sub(/\/$/, "", uri)
        if ((uri " " f[3]) in skip) next
      }
      { print }' "$file" >"$out/$name"
  fi
done
