# Sourced by the fleet's shell tests: simulated printers on 127.0.0.1 that go when the
# test ends, and a scratch folder. Needs SIM set to labelprinter-sim.
DIR=$(mktemp -d)
PIDS=""
cleanup() {
    # Simulators started in a command substitution are listed in the file.
    for pid in $PIDS $(cat "$DIR/pids" 2>/dev/null); do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$DIR"
}
trap cleanup EXIT INT TERM

# Waits until FILE holds PATTERN (10 s at most); WHAT names it when it does not.
wait_for() { # FILE PATTERN WHAT
    tries=0
    until grep -q "$2" "$1" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "$3 did not start:"; cat "$1"; exit 1; }
        sleep 0.1
    done
}

# Starts a simulator on a free port and prints the port (from the line it prints).
start_sim() { # NAME
    "$SIM" --tcp-port 0 --no-udp >"$DIR/$1.out" 2>&1 &
    echo $! >>"$DIR/pids"
    wait_for "$DIR/$1.out" "on TCP" "simulator $1"
    sed -n 's/.*on TCP 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$DIR/$1.out"
}
