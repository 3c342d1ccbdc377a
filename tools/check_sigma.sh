#!/usr/bin/env bash
# Checks the exact standard deviation of a game's win against a long run.
#
# Takes sd_per_game from `kragmoor-sim --exact --json` (one paid game's win in bets, its feature
# included), then plays GAMES games of the same game and reads Percent_10000.txt: each line is
# the RTP of one block of 10 000 games in percent, that is 100 x (the block's mean win in bets),
# so the blocks' standard deviation in percent is 100 sd / sqrt(10000) = sd. Prints both, the
# block estimate's own standard error (from the blocks' kurtosis) and their relative difference,
# and exits non-zero when it exceeds LIMIT (default 0.05).
#
# Usage: [LIMIT=x] tools/check_sigma.sh [GAME_INI] [GAMES] [BIN_DIR]
#        (defaults: games/ReelSetup.ini, 100000000 games, build/bin as ./run builds it)
set -euo pipefail
cd "$(dirname "$0")/.."

definition=${1:-games/ReelSetup.ini}
games=${2:-100000000}
bin=${3:-build/bin}
limit=${LIMIT:-0.05}
sim="$bin/kragmoor-sim"
[ -x "$sim" ] || { echo "check_sigma: $sim is not built" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$definition" "$work/ReelSetup.ini"

# The value of one key of the runner's JSON (one key a line).
json_value() {
    awk -v key="\"$1\":" '$1 == key { v = $2; sub(/,$/, "", v); print v }' "$2"
}

"$sim" "$work" --exact --json >"$work/exact.json"
sd=$(json_value sd_per_game "$work/exact.json")
echo "exact:  RTP $(json_value rtp_percent "$work/exact.json") %, sd $sd bets a game"

start=$(date +%s.%N)
# A run of 10^8 games ends with its own notice ("100000000 Games!"): kept unless the run fails.
if ! "$sim" "$work" --games "$games" --json >"$work/run.json" 2>"$work/run.err"; then
    cat "$work/run.err" >&2
    exit 1
fi
end=$(date +%s.%N)
echo "run:    $(json_value games "$work/run.json") games, RTP $(json_value rtp_percent "$work/run.json") %," \
    "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }') s"

# Two passes over the blocks (the mean first), so that no digits are lost to large sums.
tr -d '\r' <"$work/Percent_10000.txt" | awk -v sd="$sd" -v limit="$limit" '
    { x[++n] = $1; sum += $1 }
    END {
        if (n < 2) { print "check_sigma: fewer than two blocks of 10000 games" > "/dev/stderr"; exit 2 }
        mean = sum / n
        for (i = 1; i <= n; ++i) { d = x[i] - mean; m2 += d * d; m4 += d * d * d * d }
        var = m2 / (n - 1)
        blocks = sqrt(var)
        kurtosis = (m4 / n) / ((m2 / n) * (m2 / n))
        se = blocks * sqrt((kurtosis - 1) / (4 * n))
        off = blocks / sd - 1
        printf "blocks: %d blocks of 10000 games, mean RTP %.4f %%, sd %.6f bets a game", n, mean, blocks
        printf " (+/- %.6f, kurtosis %.2f)\n", se, kurtosis
        printf "sd of the blocks / exact sd - 1 = %+.4f (%+.2f %%; limit %.0f %%)\n", off, 100 * off, 100 * limit
        if (off > limit || off < -limit) { print "check_sigma: FAILED"; exit 1 }
        print "check_sigma: passed"
    }'
