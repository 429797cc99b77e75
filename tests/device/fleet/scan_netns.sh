#!/bin/sh
# The address-range scan inside a private network namespace: simulated printers at
# chosen addresses of 10.251.7.0/24, the scanner beside them, nothing in the default
# namespace. The addresses without a printer lie behind a veth pair whose other end
# answers nobody, so their connects go unanswered as on a real network.
#
# Usage: scan_netns.sh CLI SIM test   -- three printers; the scan must find exactly them
#        scan_netns.sh CLI SIM bench  -- twenty printers; prints BENCH scan_24_ms
# Exit code 77 (skipped) when namespaces are out of reach.
set -u
CLI=$1
SIM=$2
MODE=${3:-test}
NS="lsfleet-scan-$$"
SUBNET=10.251.7
RANGE="$SUBNET.0/24"

if [ "$(id -u)" -ne 0 ]; then
    echo "the namespace scan needs root: skipped"
    exit 77
fi
if ! command -v ip >/dev/null 2>&1; then
    echo "iproute2 is missing: skipped"
    exit 77
fi

cleanup() {
    for pid in $(ip netns pids "$NS" 2>/dev/null); do
        kill -KILL "$pid" 2>/dev/null
    done
    ip netns delete "$NS" 2>/dev/null
}
trap cleanup EXIT INT TERM

if ! why=$(ip netns add "$NS" 2>&1); then
    echo "network namespaces cannot be created ($why): skipped"
    exit 77
fi
if ! why=$(ip netns exec "$NS" true 2>&1); then
    echo "network namespaces cannot be entered ($why): skipped"
    exit 77
fi
ip -n "$NS" link set lo up || exit 1
ip -n "$NS" link add d0 type veth peer name d1 || { echo "no veth interfaces: skipped"; exit 77; }
ip -n "$NS" addr add "$SUBNET.1/24" dev d0 || exit 1
ip -n "$NS" link set d0 up || exit 1
ip -n "$NS" link set d1 up || exit 1

if [ "$MODE" = bench ]; then
    HOSTS=$(seq 10 12 250 | head -n 20)
else
    HOSTS="11 57 200"
fi
for h in $HOSTS; do
    ip -n "$NS" addr add "$SUBNET.$h/32" dev d0 || exit 1
    word=0
    [ "$h" = 57 ] && word=0x2
    ip netns exec "$NS" "$SIM" --tcp-address "$SUBNET.$h" --tcp-port 9100 --no-udp \
        --status-word "$word" >/dev/null 2>&1 &
done
# Each simulator is up once it answers.
for h in $HOSTS; do
    tries=0
    until ip netns exec "$NS" "$CLI" status --net "$SUBNET.$h" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -gt 50 ] && { echo "simulator at $SUBNET.$h did not start"; exit 1; }
        sleep 0.1
    done
done

# The scanner only ever looks at this namespace's own subnet.
case "$RANGE" in
    "$SUBNET".*) ;;
    *) echo "refusing to scan $RANGE outside the test subnet"; exit 1 ;;
esac

start=$(date +%s%N)
out=$(ip netns exec "$NS" "$CLI" scan "$RANGE" --json) || { echo "scan failed: $out"; exit 1; }
end=$(date +%s%N)

found=$(printf '%s\n' "$out" | grep -o '"printer": "[0-9.:]*"' | sed 's/.*"\([0-9.:]*\)"/\1/' | tr '\n' ' ')
expected=""
for h in $HOSTS; do
    expected="$expected$SUBNET.$h:9100 "
done
if [ "$found" != "$expected" ]; then
    echo "found:    $found"
    echo "expected: $expected"
    exit 1
fi
if [ "$MODE" = bench ]; then
    echo "BENCH scan_24_ms $(( (end - start) / 1000000 ))"
else
    printf '%s\n' "$out" | grep -q '"state": "attention"' || { echo "the paper-out printer was not seen: $out"; exit 1; }
    echo "scan of $RANGE found: $found"
fi
exit 0
