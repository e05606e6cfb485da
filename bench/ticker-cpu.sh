#!/usr/bin/env bash
# CPU cost of the sliding news ticker: runs the player twice in one run, under a private X server,
# once with the news on (fed by a headline page on a local HTTP server) and once with it off, and
# prints the CPU use of each over the same stretch and the difference.
# Usage: ticker-cpu.sh [program folder, default build/program] [seconds, default 20]
set -euo pipefail
program=$(cd "${1:-build/program}" && pwd)
seconds=${2:-20}
work=$(mktemp -d /tmp/tunelark-ticker.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/site/includes"
printf "theSummaries[0] = 'Clear skies over the coast tonight';theSummaries[1] = 'Trains run on time';theSummaries[2] = 'Local team wins the cup';" \
    >"$work/site/includes/tick.htm"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
pids+=($!)
if [[ -z "${DISPLAY:-}" ]]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
fi
export QT_QPA_PLATFORM=xcb TUNELARK_NEWS_URL="http://127.0.0.1:$port/includes/tick.htm"

# CPU seconds (user + system) of a process so far.
cpu() { awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) / hz }' "/proc/$1/stat"; }

measure() {
    local name=$1 news=$2
    mkdir -p "$work/$name/config/Tunelark"
    printf '[News]\nShow=%s\n[Message]\nShow=1\n' "$news" >"$work/$name/config/Tunelark/Tunelark.ini"
    XDG_CONFIG_HOME="$work/$name/config" TUNELARK_MESSAGE_LOG="$work/$name/boxes.log" "$program/Tunelark" &
    local pid=$!
    pids+=("$pid")
    sleep 5 # start-up and the first fetch
    local before after
    before=$(cpu "$pid")
    sleep "$seconds"
    after=$(cpu "$pid")
    kill "$pid"
    awk -v a="$before" -v b="$after" -v s="$seconds" 'BEGIN { printf "%.2f\n", 100 * (b - a) / s }'
}

on=$(measure news-on 1)
off=$(measure news-off 0)
echo "ticker sliding: ${on} % of one core over ${seconds} s"
echo "ticker off:     ${off} % of one core"
awk -v a="$on" -v b="$off" 'BEGIN { printf "cost of the ticker: %.2f %% of one core\n", a - b }'
