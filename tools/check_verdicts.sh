#!/usr/bin/env bash
# Checks the verdicts of seeded runs against the exact RTP: RUNS runs (default 20) of GAMES games
# (default 1000000) of a game, each with its own seed (1, 2, ... written on the SEED line of a
# copy of the game), judged by kragmoor-sim as pass (|z| <= 1.96), warn or fail. With a correct
# exact RTP and standard deviation a run passes with probability 0.95, so 20 runs pass 18 times or
# more with probability 0.92; the check exits non-zero when fewer than MIN_PASS (default 18) pass.
#
# Usage: [RUNS=n] [MIN_PASS=n] tools/check_verdicts.sh [GAME_INI] [GAMES] [BIN_DIR]
#        (defaults: games/ReelSetup.ini, 1000000 games, build/bin as ./run builds it)
set -euo pipefail
cd "$(dirname "$0")/.."

definition=${1:-games/ReelSetup.ini}
games=${2:-1000000}
bin=${3:-build/bin}
runs=${RUNS:-20}
min_pass=${MIN_PASS:-18}
sim="$bin/kragmoor-sim"
[ -x "$sim" ] || { echo "check_verdicts: $sim is not built" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

json_value() {
    awk -v key="\"$1\":" '$1 == key { v = $2; sub(/,$/, "", v); gsub(/"/, "", v); print v }' "$2"
}

passed=0
for seed in $(seq 1 "$runs"); do
    dir="$work/seed-$seed"
    mkdir "$dir"
    # The line ends (CR LF) stay as they are.
    sed -E "s/^SEED = -?[0-9]+/SEED = $seed/" "$definition" >"$dir/ReelSetup.ini"
    "$sim" "$dir" --games "$games" --json >"$dir/run.json"
    verdict=$(json_value verdict "$dir/run.json")
    [ "$verdict" = pass ] && passed=$((passed + 1))
    printf 'seed %3d  RTP %-12s exact %-12s z %+.4f  %s\n' "$seed" \
        "$(json_value rtp_percent "$dir/run.json")" "$(json_value exact_rtp_percent "$dir/run.json")" \
        "$(json_value z_score "$dir/run.json")" "$verdict"
done
echo "check_verdicts: $passed of $runs runs of $games games pass (at least $min_pass needed)"
[ "$passed" -ge "$min_pass" ]
