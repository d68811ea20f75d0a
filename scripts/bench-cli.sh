#!/usr/bin/env bash
# Times `quorlin convert` on a CSV of about 1 GB against what a user would otherwise run on the same
# file in the same run (Miller, a python3 script with csv and datetime, and cat as the floor), in
# alternating rounds, and measures quorlin's peak memory on the 1 GB file and on a 10 MB one.
#   scripts/bench-cli.sh [ROUNDS]      (default 3; the data is made once under build/bench/)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
bench=build/bench
mkdir -p "$bench"

# Miller, GNU time and bc are the benchmark's own needs, not the build's.
bash scripts/apt-install.sh miller time bc

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j 2 --target quorlin >/dev/null
quorlin=build/release/quorlin

# id, Pick day, Pick time and a short text per record, with a header; a fixed seed, so every run
# measures the same bytes. A text with a comma is quoted, as a CSV writer would.
make_data() {
  python3 - "$1" "$2" <<'PY'
import random, sys
path, size = sys.argv[1], int(sys.argv[2])
rng = random.Random(20261208)
words = ["alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india"]
with open(path, "w", newline="") as out:
    out.write("id,day,time,text\n")
    written, n, lines = 0, 0, []
    while written < size:
        n += 1
        text = " ".join(rng.choice(words) for _ in range(rng.randint(1, 3)))
        if rng.random() < 0.1:
            text = '"' + text + ", " + rng.choice(words) + '"'
        line = "%d,%d,%d,%s\n" % (n, rng.randint(-6000, 25000), rng.randint(0, 86399), text)
        lines.append(line)
        written += len(line)
        if len(lines) == 100000:
            out.write("".join(lines))
            lines = []
    out.write("".join(lines))
PY
}
big=$bench/orders-1g.csv
small=$bench/orders-10m.csv
[[ -f $big ]] || { echo "bench: making $big (once)"; make_data "$big.part" 1000000000 && mv "$big.part" "$big"; }
[[ -f $small ]] || { make_data "$small.part" 10000000 && mv "$small.part" "$small"; }

cat >"$bench/convert.py" <<'PY'
import csv, datetime, sys
epoch = datetime.date(1967, 12, 31)
midnight = datetime.datetime(2000, 1, 1)
reader = csv.reader(open(sys.argv[1], newline=""))
writer = csv.writer(sys.stdout, lineterminator="\n")
writer.writerow(next(reader))
for row in reader:
    row[1] = (epoch + datetime.timedelta(days=int(row[1]))).strftime("%m-%d-%Y")
    row[2] = (midnight + datetime.timedelta(seconds=int(row[2]))).strftime("%H:%M:%S")
    writer.writerow(row)
PY

convert_args=(convert --csv --header --field day=oconv:D4- --field time=oconv:MTS --quiet)
run_j1() { "$quorlin" "${convert_args[@]}" --jobs 1 "$1"; }
run_j2() { "$quorlin" "${convert_args[@]}" --jobs 2 "$1"; }
# Pick day 732 is 1 January 1970, so (day - 732) days are Unix seconds.
run_mlr() {
  mlr --icsv --ocsv put '$day = strftime(($day - 732) * 86400, "%m-%d-%Y");
                         $time = strftime($time, "%H:%M:%S")' "$1"
}
run_python() { python3 "$bench/convert.py" "$1"; }
run_cat() { cat "$1"; }
tools=(j1 j2 mlr python cat)

# The tools must agree before their times mean anything.
for tool in j1 j2 mlr python; do
  "run_$tool" "$small" >"$bench/out-$tool.csv"
done
for tool in j2 mlr python; do
  if ! cmp -s "$bench/out-j1.csv" "$bench/out-$tool.csv"; then
    echo "bench: $tool's output differs from quorlin's on $small" >&2
    diff "$bench/out-j1.csv" "$bench/out-$tool.csv" | head -5 >&2
    exit 1
  fi
done

seconds() {  # seconds of one run of tool on file, output discarded
  local start end
  start=$(date +%s.%N)
  "run_$1" "$2" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
declare -A times
cat "$big" >/dev/null  # into the page cache, for every tool alike
for ((round = 1; round <= rounds; round++)); do
  for tool in "${tools[@]}"; do
    t=$(seconds "$tool" "$big")
    times[$tool]+="$t "
    printf 'round %d  %-6s %8.2f s\n' "$round" "$tool" "$t"
  done
done

median() { tr ' ' '\n' <<<"$1" | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
size_mb=$(( $(stat -c %s "$big") / 1000000 ))
declare -A med
echo
echo "medians on $big ($size_mb MB), $rounds rounds:"
for tool in "${tools[@]}"; do
  med[$tool]=$(median "${times[$tool]}")
  printf '  %-28s %8.2f s  %8.1f MB/s\n' "$tool" "${med[$tool]}" "$(echo "$size_mb / ${med[$tool]}" | bc -l)"
done
ratio() { echo "$1 / $2" | bc -l; }
echo
printf '  quorlin --jobs 1 vs Miller:   %6.2fx  (goal 3x)\n' "$(ratio "${med[mlr]}" "${med[j1]}")"
printf '  quorlin --jobs 1 vs python:   %6.2fx  (goal 10x)\n' "$(ratio "${med[python]}" "${med[j1]}")"
printf '  quorlin --jobs 1 vs cat:      %6.2fx  (goal 0.25x)\n' "$(ratio "${med[cat]}" "${med[j1]}")"
printf '  quorlin --jobs 2 vs --jobs 1: %6.2fx  (goal 1.6x)\n' "$(ratio "${med[j1]}" "${med[j2]}")"

peak() {  # peak resident memory in MB of quorlin with --jobs 2 on a file
  /usr/bin/time -v "$quorlin" "${convert_args[@]}" --jobs 2 "$1" 2>&1 >/dev/null |
    awk '/Maximum resident set size/ {printf "%.1f", $NF / 1024}'
}
echo
echo "peak memory of quorlin --jobs 2 (goal: under 64 MB, the same for both):"
printf '  %-28s %6s MB\n' "10 MB file" "$(peak "$small")" "1 GB file" "$(peak "$big")"
