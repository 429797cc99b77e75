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
. "$(dirname "$0")/simhelpers.sh"

SIM_PORT=$(start_sim printer)
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
