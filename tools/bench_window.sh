#!/usr/bin/env bash
# Times a 100-million-game automatic run in the window application against the headless runner.
#
# Starts a virtual X server, opens build/bin/kragmoor on the bundled game in a temporary
# directory, clicks Run and waits for the " Games!" message that ends the run at the cycle's end
# (the save report is written just before it); then times `kragmoor-sim --games N` on the same
# game in another temporary directory. Prints both times and their ratio each round, and exits
# non-zero when the median ratio shows the window more than 1.1 times slower.
#
# Usage: [ROUNDS=n] [THREADS=t] tools/bench_window.sh [BIN_DIR]    (default build/bin, as ./run
# builds it; ROUNDS rounds of one run each, default 3; both play on THREADS threads,
# default 1: the window's Threads control is set through its settings file, the runner's with
# --threads)
# Needs Xvfb and xdotool (apt-get install xvfb xdotool).
set -euo pipefail
cd "$(dirname "$0")/.."

bin=${1:-build/bin}
games=100000000  # the window's run ends by itself at the cycle's end, CycleGames
rounds=${ROUNDS:-3}
threads=${THREADS:-1}
limit=1.1
definition=games/ReelSetup.ini

for tool in Xvfb xdotool awk; do
    command -v "$tool" >/dev/null || { echo "bench_window: $tool is not installed" >&2; exit 2; }
done
for program in kragmoor kragmoor-sim; do
    [ -x "$bin/$program" ] || { echo "bench_window: $bin/$program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The window's settings live in the work directory, with the thread count to play on.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/Kragmoor"
printf '[General]\nThreads=%s\n' "$threads" >"$XDG_CONFIG_HOME/Kragmoor/Kragmoor.conf"

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

now() { date +%s.%N; }
# CPU seconds (user + system) a process has used so far.
cpu_of() { awk '{ printf "%.2f", ($14 + $15) / 100 }' "/proc/$1/stat"; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

abs_bin=$(cd "$bin" && pwd)
grouped=$(echo "$games" | sed ':a;s/\B[0-9]\{3\}\>/ &/;ta')

# One run in the window: click Run, wait for the message that ends the run, close it, Exit.
window_run() {
    local dir=$work/window$1 main message start
    mkdir -p "$dir"
    cp "$definition" "$dir/ReelSetup.ini"
    (cd "$dir" && exec "$abs_bin/kragmoor") >"$dir.log" 2>&1 &
    app_pid=$!
    main=$(timeout 30 xdotool search --sync --onlyvisible --name "SLOT  Simulator" | head -1)
    sleep 1  # let the statistics windows settle
    # Run sits at (48, 584) in the client area, 33 x 41 pixels.
    xdotool mousemove --window "$main" 64 604
    local app_cpu0 x_cpu0
    app_cpu0=$(cpu_of "$app_pid")
    x_cpu0=$(cpu_of "$xvfb_pid")
    start=$(now)
    xdotool click 1
    message=$(timeout 1800 xdotool search --sync --onlyvisible --name "^Kragmoor$" | head -1)
    window_seconds=$(seconds "$start" "$(now)")
    window_cpu=$(seconds "$app_cpu0" "$(cpu_of "$app_pid")")
    x_cpu=$(seconds "$x_cpu0" "$(cpu_of "$xvfb_pid")")
    grep -q "^Games     = *$grouped" "$dir/Temp1.txt" || {
        echo "bench_window: the window's save report does not show $games games" >&2
        exit 1
    }
    # Close the message and click Exit; the clean-up ends the program should that not work.
    { xdotool windowfocus "$message" && xdotool key Return; } 2>/dev/null || true
    sleep 0.5
    xdotool mousemove --window "$main" 24 604 click 1 2>/dev/null || true  # Exit
    for _ in $(seq 30); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$app_pid" 2>/dev/null || true
    app_pid=""
}

# The same number of games in the headless runner.
sim_run() {
    local dir=$work/sim$1 start
    mkdir -p "$dir"
    cp "$definition" "$dir/ReelSetup.ini"
    start=$(now)
    "$bin/kragmoor-sim" "$dir" --games "$games" --threads "$threads" >"$dir.log" &
    local pid=$! cpu=0
    while kill -0 "$pid" 2>/dev/null; do
        cpu=$(cpu_of "$pid" 2>/dev/null || echo "$cpu")
        sleep 0.05
    done
    wait "$pid"
    sim_seconds=$(seconds "$start" "$(now)")
    sim_cpu=$cpu
}

# Other work on the machine makes single timings noisy and its speed drifts: the two sides run
# in turn, and the median of the rounds' ratios counts (each side's best time is shown too).
best_window=""
best_sim=""
ratios=""
for round in $(seq "$rounds"); do
    window_run "$round"
    sim_run "$round"
    round_ratio=$(awk -v w="$window_seconds" -v s="$sim_seconds" 'BEGIN { printf "%.3f", w / s }')
    printf 'round %s: window %.2f s (CPU %.2f s, X server %.2f s), headless runner %.2f s (CPU %.2f s), ratio %s\n' \
        "$round" "$window_seconds" "$window_cpu" "$x_cpu" "$sim_seconds" "$sim_cpu" "$round_ratio"
    best_window=$(smaller "$best_window" "$window_seconds")
    best_sim=$(smaller "$best_sim" "$sim_seconds")
    ratios="$ratios $round_ratio"
done

ratio=$(echo $ratios | tr ' ' '\n' | sort -n | awk '{ r[NR] = $1 } END {
    printf "%.3f", NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }')
printf 'games            %s on %s threads\n' "$games" "$threads"
printf 'window           %.2f s at best\n' "$best_window"
printf 'headless runner  %.2f s at best\n' "$best_sim"
printf 'ratio            %s, the median of the rounds (limit %s)\n' "$ratio" "$limit"
if awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r > l) }'; then
    echo "bench_window: the window is too slow" >&2
    exit 1
fi
