#!/bin/sh
# A real Prometheus server on 127.0.0.1 scrapes labelsetup-cli's exporter, which polls a
# simulated printer, and answers a query for labelprinter_up with 1.
# Usage: prometheus.sh CLI SIM. Exit code 77 (skipped) without the prometheus package.
set -u
CLI=$1
SIM=$2
if ! command -v prometheus >/dev/null 2>&1 || ! command -v python3 >/dev/null 2>&1; then
    echo "prometheus (or python3) is not installed: skipped"
    exit 77
fi
DIR=$(mktemp -d)
PIDS=""
cleanup() {
    for pid in $PIDS; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$DIR"
}
trap cleanup EXIT INT TERM

wait_for() { # FILE PATTERN WHAT
    tries=0
    until grep -q "$2" "$1" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "$3 did not start:"; cat "$1"; exit 1; }
        sleep 0.1
    done
}

"$SIM" --tcp-port 0 --no-udp >"$DIR/sim.out" 2>&1 &
PIDS="$PIDS $!"
wait_for "$DIR/sim.out" "on TCP" "the simulator"
SIM_PORT=$(sed -n 's/.*on TCP 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$DIR/sim.out")
echo "127.0.0.1:$SIM_PORT" >"$DIR/targets"

"$CLI" exporter --targets "$DIR/targets" --listen 127.0.0.1:0 --interval 1 2>"$DIR/exporter.err" &
PIDS="$PIDS $!"
wait_for "$DIR/exporter.err" "/metrics" "the exporter"
EXPORTER=$(sed -n 's|.*http://\(127\.0\.0\.1:[0-9]*\)/metrics.*|\1|p' "$DIR/exporter.err")

WEB_PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$DIR/prometheus.yml" <<EOF2
global:
  scrape_interval: 1s
scrape_configs:
  - job_name: labelprinters
    static_configs:
      - targets: ["$EXPORTER"]
EOF2
prometheus --config.file="$DIR/prometheus.yml" --storage.tsdb.path="$DIR/data" \
    --web.listen-address="127.0.0.1:$WEB_PORT" >"$DIR/prometheus.log" 2>&1 &
PIDS="$PIDS $!"

# The query API until the series is there with 1 (a scrape a second).
tries=0
while :; do
    answer=$(python3 - "$WEB_PORT" <<'PY'
import json, sys, urllib.request
try:
    url = "http://127.0.0.1:%s/api/v1/query?query=labelprinter_up" % sys.argv[1]
    data = json.load(urllib.request.urlopen(url, timeout=2))
    print(" ".join("%s=%s" % (r["metric"].get("printer"), r["value"][1])
                   for r in data["data"]["result"]))
except Exception as e:
    print("no answer: %s" % e)
PY
)
    [ "$answer" = "127.0.0.1:$SIM_PORT=1" ] && break
    tries=$((tries + 1))
    if [ $tries -gt 60 ]; then
        echo "Prometheus did not report labelprinter_up 1: $answer"
        tail -n 20 "$DIR/prometheus.log"
        exit 1
    fi
    sleep 0.5
done
echo "Prometheus: labelprinter_up{printer=\"127.0.0.1:$SIM_PORT\"} = 1"
exit 0
