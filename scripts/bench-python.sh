#!/usr/bin/env bash
# One million Pick days through the Python module (Code("D4-").oconv on a list and on a pandas
# Series) against the same conversion in pure pandas (to_datetime with an origin, then strftime)
# and in a Python loop with datetime, and against `quorlin convert --jobs 1` on a file of the same
# days, all in one run; prints the best of ROUNDS for each, the per-value times and the ratios.
#   scripts/bench-python.sh [ROUNDS]      (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
make -s python >/dev/null
mkdir -p build/bench
PYTHONPATH=build/python/package /usr/bin/python3 - "$rounds" build/python/quorlin build/bench <<'PY'
import datetime, random, subprocess, sys, time

import pandas as pd

import quorlin

rounds, program, folder = int(sys.argv[1]), sys.argv[2], sys.argv[3]
N = 1_000_000
rng = random.Random(20261208)
days = [rng.randint(-6000, 25000) for _ in range(N)]
series = pd.Series(days, name="day")
# The module gives equal results one shared str; a column of a million days all different shows
# what the conversion costs when nothing repeats.
distinct = list(range(-300_000, 700_000))
rng.shuffle(distinct)
path = f"{folder}/days-1m.txt"
with open(path, "w") as out:
    out.write("".join(f"{d}\n" for d in days))

code = quorlin.Code("D4-", dialect="pick")
epoch = datetime.date(1967, 12, 31)


def module_list():
    return code.oconv(days)


def module_series():
    return code.oconv(series)


def module_distinct():
    return code.oconv(distinct)


def pandas_only():
    return pd.to_datetime(series, unit="D", origin="1967-12-31").dt.strftime("%m-%d-%Y")


def python_loop():
    return [(epoch + datetime.timedelta(days=d)).strftime("%m-%d-%Y") for d in days]


def convert_jobs1():
    done = subprocess.run([program, "convert", "--field", "1=oconv:D4-", "--dialect", "pick",
                           "--jobs", "1", "--quiet", path], check=True, capture_output=True)
    return done.stdout.decode().splitlines()


runs = {"module, list": module_list, "module, Series": module_series, "pandas": pandas_only,
        "python loop": python_loop, "convert --jobs 1": convert_jobs1}
extra = {"module, distinct": module_distinct}
# Every way must give the same days before its time means anything.
expected = module_list()
for name, run in runs.items():
    result = run()
    result = result.tolist() if hasattr(result, "tolist") else result
    assert result == expected, f"{name} gives other results"

runs.update(extra)
best = {name: float("inf") for name in runs}
for _ in range(rounds):
    for name, run in runs.items():
        start = time.perf_counter()
        run()
        best[name] = min(best[name], time.perf_counter() - start)

print(f"one million Pick days (31,001 different ones; 'distinct': all different), D4-, best of {rounds}:")
for name, seconds in best.items():
    print(f"  {name:18} {seconds:7.3f} s  {seconds * 1e9 / N:6.0f} ns a value")
for ours in ("module, list", "module, Series", "module, distinct"):
    print(f"{ours}: {best['pandas'] / best[ours]:5.1f}x pandas, "
          f"{best['python loop'] / best[ours]:5.1f}x the loop, "
          f"{best[ours] / best['convert --jobs 1']:4.2f}x the time of convert --jobs 1 "
          f"(goal: 20x, 20x, at most 2x)")
PY
