#!/usr/bin/env bash
# Times `quorlin convert` on a CSV of about 1 GB against what a user would otherwise run on the same
# file in the same run (DuckDB with one thread, Miller, a python3 script with csv and datetime, and
# cat as the floor), in alternating rounds; then the cost of one converted value by code (a Google
# Benchmark against a pass-through), and quorlin's peak memory on the 1 GB file, on a 10 MB one and
# on one record holding an 80 MB quoted text.
#   scripts/bench-cli.sh [ROUNDS]      (default 3; the data is made once under build/bench/)
#   TOOLS="j1 j2 duckdb cat" scripts/bench-cli.sh   times only those (python takes minutes a round)
#   PROFILE=1 scripts/bench-cli.sh     also prints where `--jobs 1` spends its time (perf)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
bench=build/bench
mkdir -p "$bench"

# Miller, GNU time, bc, perf and DuckDB are the benchmark's own needs, not the build's.
bash scripts/apt-install.sh miller time bc linux-perf
[[ -d $bench/node_modules/@duckdb/node-api ]] ||
  npm install --prefix "$bench" --no-audit --no-fund @duckdb/node-api >/dev/null

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j 2 --target quorlin convert_benchmark >/dev/null
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

# The same conversion as one COPY query: the text columns are read as text so that they come out as
# they went in, and written with a header, quoting only where CSV needs it.
cat >"$bench/duckdb-convert.mjs" <<'JS'
import { DuckDBInstance } from '@duckdb/node-api';
const [input, output] = process.argv.slice(2);
const instance = await DuckDBInstance.create(':memory:', { threads: '1' });
const connection = await instance.connect();
const quoted = (path) => "'" + path.replaceAll("'", "''") + "'";
await connection.run(`COPY (
  SELECT id,
         strftime(DATE '1967-12-31' + CAST(day AS INTEGER), '%m-%d-%Y') AS day,
         strftime(TIMESTAMP '2000-01-01' + to_seconds(CAST(time AS BIGINT)), '%H:%M:%S') AS time,
         text
  FROM read_csv(${quoted(input)}, header = true, all_varchar = true, quote = '"', escape = '"'))
  TO ${quoted(output)} (FORMAT csv, HEADER true)`);
JS

convert_args=(convert --csv --header --field day=oconv:D4- --field time=oconv:MTS --quiet)
# Spelled out: the timed runs start each tool in a shell of its own, which sees no arrays.
run_j1() { "$quorlin" convert --csv --header --field day=oconv:D4- --field time=oconv:MTS --quiet --jobs 1 "$1"; }
run_j2() { "$quorlin" convert --csv --header --field day=oconv:D4- --field time=oconv:MTS --quiet --jobs 2 "$1"; }
# One field, and a field no record has (finding records and writing them: the pass-through).
run_d4() { "$quorlin" convert --csv --header --field day=oconv:D4- --quiet --jobs 1 "$1"; }
run_pc() { "$quorlin" convert --csv --header --field day=oconv:PC --quiet --jobs 1 "$1"; }
run_scan() { "$quorlin" convert --csv --header --field 9=oconv:D4- --quiet --jobs 1 "$1" || true; }
run_duckdb() { node "$bench/duckdb-convert.mjs" "$1" /dev/stdout; }
# Pick day 732 is 1 January 1970, so (day - 732) days are Unix seconds.
run_mlr() {
  mlr --icsv --ocsv put '$day = strftime(($day - 732) * 86400, "%m-%d-%Y");
                         $time = strftime($time, "%H:%M:%S")' "$1"
}
run_python() { python3 "$bench/convert.py" "$1"; }
run_cat() { cat "$1"; }
read -r -a tools <<<"${TOOLS:-j1 j2 d4 pc scan duckdb mlr python cat}"
has() { [[ " ${tools[*]} " == *" $1 "* ]]; }

# The tools must agree before their times mean anything.
agree=()
for tool in j1 j2 duckdb mlr python; do
  if has "$tool" || [[ $tool == j1 ]]; then agree+=("$tool"); fi
done
for tool in "${agree[@]}"; do
  "run_$tool" "$small" >"$bench/out-$tool.csv"
done
for tool in "${agree[@]:1}"; do
  if ! cmp -s "$bench/out-j1.csv" "$bench/out-$tool.csv"; then
    echo "bench: $tool's output differs from quorlin's on $small" >&2
    diff "$bench/out-j1.csv" "$bench/out-$tool.csv" | head -5 >&2
    exit 1
  fi
done

# The machine may be shared: processor time (user + system, of every thread) is taken with the
# wall time, and the rates are given for both.
export -f run_j1 run_j2 run_d4 run_pc run_scan run_duckdb run_mlr run_python run_cat
export quorlin bench
declare -A times cpus
cat "$big" >/dev/null  # into the page cache, for every tool alike
for ((round = 1; round <= rounds; round++)); do
  for tool in "${tools[@]}"; do
    read -r t u s < <(/usr/bin/time -f '%e %U %S' bash -c "run_$tool '$big' >/dev/null" 2>&1 | tail -1)
    c=$(echo "$u + $s" | bc -l)
    times[$tool]+="$t "
    cpus[$tool]+="$c "
    printf 'round %d  %-6s %8.2f s  (processor %6.2f s)\n' "$round" "$tool" "$t" "$c"
  done
done

median() { tr ' ' '\n' <<<"$1" | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
size_mb=$(( $(stat -c %s "$big") / 1000000 ))
declare -A med medcpu
echo
echo "medians on $big ($size_mb MB), $rounds rounds (wall; processor):"
for tool in "${tools[@]}"; do
  med[$tool]=$(median "${times[$tool]}")
  medcpu[$tool]=$(median "${cpus[$tool]}")
  printf '  %-8s %8.2f s %8.1f MB/s;  %8.2f s %8.1f MB/s\n' "$tool" "${med[$tool]}" \
    "$(echo "$size_mb / ${med[$tool]}" | bc -l)" "${medcpu[$tool]}" "$(echo "$size_mb / ${medcpu[$tool]}" | bc -l)"
done
ratio() { echo "$1 / $2" | bc -l; }
goal() {  # label, tool a, tool b, goal: how many times faster b is than a, on the wall clock
  if has "$2" && has "$3"; then
    printf '  %-30s %6.2fx  (goal %s)\n' "$1" "$(ratio "${med[$2]}" "${med[$3]}")" "$4"
  fi
}
echo
goal "quorlin --jobs 1 vs DuckDB:" duckdb j1 "5x"
goal "quorlin --jobs 1 vs Miller:" mlr j1 "3x"
goal "quorlin --jobs 1 vs python:" python j1 "10x"
goal "quorlin --jobs 1 vs cat:" cat j1 "0.25x"
goal "quorlin --jobs 2 vs --jobs 1:" j1 j2 "1.8x"
printf '  quorlin --jobs 1:               %6.0f MB/s  (goal 500 MB/s)\n' "$(echo "$size_mb / ${med[j1]}" | bc -l)"
if has scan; then
  printf '  pass-through (a field no record has): %6.0f MB/s  (goal 1000 MB/s)\n' "$(echo "$size_mb / ${med[scan]}" | bc -l)"
fi

# The cost of one value by code: the Google Benchmark's medians, each less the pass-through's.
echo
echo "per value, a chunk of records converted in memory (median of 5; goal: at most 15 ns above the pass-through):"
build/release/convert_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.5 2>/dev/null | awk '
    $1 ~ /_median$/ && /ns_per_record/ {
      name = $1; sub(/_median$/, "", name)
      for (i = 1; i <= NF; i++) if ($i ~ /^ns_per_record=/) { v = $i; sub(/ns_per_record=/, "", v); sub(/ns$/, "", v) }
      for (i = 1; i <= NF; i++) if ($i ~ /^bytes_per_second=/) { b = $i; sub(/bytes_per_second=/, "", b); sub(/\/s$/, "", b) }
      ns[name] = v; rate[name] = b; order[++n] = name
    }
    /ERROR OCCURRED/ { print "  " $0 }
    END {
      base = ns["PassThroughValue"]
      for (i = 1; i <= n; i++) {
        name = order[i]
        if (name ~ /^Code/) printf "  %-16s %7.1f ns a record  %+6.1f ns a value\n", name, ns[name], ns[name] - base
        else printf "  %-16s %7.1f ns a record  %s/s\n", name, ns[name], rate[name]
      }
    }'

peak() {  # peak resident memory in MB of quorlin with --jobs 2 on a file
  /usr/bin/time -v "$quorlin" "${convert_args[@]}" --jobs 2 "$1" 2>&1 >/dev/null |
    awk '/Maximum resident set size/ {printf "%.1f", $NF / 1024}'
}
# One record holding an 80 MB quoted text (with line breaks, commas and doubled quotes) between
# short ones: every record converted, in bounded memory.
long=$bench/long-record.csv
[[ -f $long ]] || python3 - "$long" <<'PY'
import sys
with open(sys.argv[1], "w", newline="") as out:
    out.write("id,day,time,text\n1,21527,62864,short\n2,21528,100,\"")
    block = ("x" * 60 + ', ""quoted""\n') * 1000
    for _ in range(80_000_000 // len(block)):
        out.write(block)
    out.write("\"\n" + "".join("%d,%d,3600,after\n" % (n, 21527 + n) for n in range(3, 8)))
PY
echo
echo "peak memory of quorlin --jobs 2 (goal: under 64 MB at any size):"
printf '  %-28s %6s MB\n' "10 MB file" "$(peak "$small")" "1 GB file" "$(peak "$big")" \
  "80 MB quoted text" "$(peak "$long")"
last=$("$quorlin" "${convert_args[@]}" --jobs 2 "$long" | tail -1)
if [[ $last == "7,12-15-2026,01:00:00,after" ]]; then
  echo "  the records after the 80 MB text are converted"
else
  echo "  the records after the 80 MB text are NOT converted" >&2
  exit 1
fi

if [[ ${PROFILE:-0} == 1 ]]; then
  echo
  echo "where --jobs 1 spends its time (perf, the 10 MB file ten times over):"
  { cat "$small"; for _ in 2 3 4 5 6 7 8 9 10; do tail -n +2 "$small"; done; } >"$bench/profile.csv"
  perf record -q -o "$bench/perf.data" "$quorlin" "${convert_args[@]}" --jobs 1 "$bench/profile.csv" >/dev/null
  perf report -i "$bench/perf.data" --no-children --percent-limit 2 --stdio 2>/dev/null | grep '%' | head -15
fi
