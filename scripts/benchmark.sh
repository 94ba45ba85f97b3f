#!/bin/sh
# Times `Nimbrel.exe -s` against a do-nothing PE under one persistent
# wineserver, 20 runs each, and prints the fastest and median wall times and
# their ratios. Not a test: Wine's start-up noise dominates single runs.
set -eu
cd "$(dirname "$0")/.."
runs=${RUNS:-20}
exe=build/windows/Nimbrel.exe
work=build/bench
mkdir -p "$work"

# The baseline: the smallest program the same toolchain makes.
printf 'int main() { return 0; }\n' > "$work/nothing.cpp"
i686-w64-mingw32-g++-win32 -Os -s -static -o "$work/nothing.exe" "$work/nothing.cpp"

export WINEPREFIX="$PWD/$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" PROMPT='$P$G'
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
trap 'wineserver -k' EXIT

python3 - "$runs" "$exe" "$work/nothing.exe" <<'PY'
import statistics, subprocess, sys, time
runs, programs = int(sys.argv[1]), {"Nimbrel.exe -s": [sys.argv[2], "-s"], "do-nothing": [sys.argv[3]]}
times = {name: [] for name in programs}
for _ in range(runs):
    for name, argv in programs.items():
        start = time.perf_counter()
        subprocess.run(["wine", *argv], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        times[name].append(time.perf_counter() - start)
for name, t in times.items():
    print(f"{name:15} fastest {min(t) * 1000:7.1f} ms   median {statistics.median(t) * 1000:7.1f} ms")
a, b = times["Nimbrel.exe -s"], times["do-nothing"]
print(f"ratio           fastest {min(a) / min(b):7.2f}      median {statistics.median(a) / statistics.median(b):7.2f}")
PY
