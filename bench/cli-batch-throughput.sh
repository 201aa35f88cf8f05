#!/usr/bin/env bash
# Cases per second of `brenvik-cli lst --batch` on 100,000 varied cases.
set -euo pipefail
cli=${1:-build/cli/brenvik-cli}
n=${2:-100000}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
awk -v n="$n" 'BEGIN {
    for (i = 0; i < n; i++) {
        lzz = (i % 2 == 0) ? 2 : 1; m = 80000 + (i * 7919) % 1200000
        re4 = (lzz == 2) ? m : m * 12
        extra = (i % 4 == 0) ? sprintf(", \"JRE4\": %d, \"SONSTB\": %d", m * 12, 50000 + i % 1000) : ""
        printf "{\"id\": %d, \"jahr\": 2024, \"LZZ\": %d, \"STKL\": %d, \"RE4\": %d, \"KVZ\": \"1.70\", \"ZKF\": %s, \"R\": %d%s}\n",
               i, lzz, 1 + i % 6, re4, (i % 3 == 0) ? "0" : "1.5", (i % 4 == 1), extra
    }
}' > "$tmp/cases.jsonl"
start=$(date +%s.%N)
"$cli" lst --batch < "$tmp/cases.jsonl" > "$tmp/out.jsonl"
end=$(date +%s.%N)
lines=$(wc -l < "$tmp/out.jsonl")
awk -v s="$start" -v e="$end" -v n="$lines" 'BEGIN { printf "%d cases in %.3f s: %.0f cases/s\n", n, e - s, n / (e - s) }'
