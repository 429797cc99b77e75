#!/bin/sh
# Private network namespaces for the broadcast discovery tests.
#
#   lsnet-host  10.250.1.1/24 (vh1)  <->  lsnet-d1  10.250.1.2/24 (vd1)
#               10.250.2.1/24 (vh2)  <->  lsnet-d2  10.250.2.2/24 (vd2)
#
# The veth pairs are created directly inside the namespaces, so the default
# namespace never gets an interface, an address or a route of the tests, and a
# broadcast sent in lsnet-host can only reach the two printer namespaces.
#
# Usage: netns.sh setup | cleanup. Exit code 77 (skipped) when not root, or when
# namespaces cannot be created or entered (a container without the privilege, a
# chroot).
#        netns.sh unprivileged TEST-BINARY: checks that setup and the test binary
# report such a machine as skipped, by running them without CAP_SYS_ADMIN.
set -u

NAMESPACES="lsnet-host lsnet-d1 lsnet-d2"

if [ "$(id -u)" -ne 0 ]; then
    echo "network namespace tests need root: skipped"
    exit 77
fi
if ! command -v ip >/dev/null 2>&1; then
    echo "iproute2 is missing: skipped"
    exit 77
fi

# Before anything is touched: a root user may still lack what namespaces need.
usable() {
    probe="lsnet-probe-$$"
    if ! why=$(ip netns add "$probe" 2>&1); then
        echo "network namespaces cannot be created ($why): skipped"
        return 1
    fi
    if ! why=$(ip netns exec "$probe" true 2>&1); then
        ip netns delete "$probe" 2>/dev/null
        echo "network namespaces cannot be entered ($why): skipped"
        return 1
    fi
    ip netns delete "$probe"
}

exists() {
    ip netns list 2>/dev/null | awk '{print $1}' | grep -qx "$1"
}

cleanup() {
    for ns in $NAMESPACES; do
        exists "$ns" || continue
        # Only processes that live inside this namespace, by pid.
        for pid in $(ip netns pids "$ns" 2>/dev/null); do
            kill -KILL "$pid" 2>/dev/null
        done
        ip netns delete "$ns" || return 1
    done
    return 0
}

setup() {
    cleanup || return 1
    for ns in $NAMESPACES; do
        ip netns add "$ns" || return 1
        ip -n "$ns" link set lo up || return 1
    done
    for n in 1 2; do
        ip link add "vh$n" netns lsnet-host type veth peer name "vd$n" netns "lsnet-d$n" || return 1
        ip -n lsnet-host addr add "10.250.$n.1/24" brd + dev "vh$n" || return 1
        ip -n "lsnet-d$n" addr add "10.250.$n.2/24" brd + dev "vd$n" || return 1
        ip -n lsnet-host link set "vh$n" up || return 1
        ip -n "lsnet-d$n" link set "vd$n" up || return 1
    done
    # Until the kernel reports a link as up it drops what is sent on it; wait for
    # all four ends (normally well under a second).
    tries=0
    while [ $tries -lt 60 ]; do
        down=0
        for n in 1 2; do
            up lsnet-host "vh$n" || down=1
            up "lsnet-d$n" "vd$n" || down=1
        done
        [ $down -eq 0 ] && return 0
        tries=$((tries + 1))
        sleep 0.05
    done
    echo "links did not come up" >&2
    return 1
}

up() {
    [ "$(ip -n "$1" -o link show dev "$2" 2>/dev/null | grep -o 'state [A-Z]*')" = "state UP" ]
}

case "${1:-}" in
setup)
    usable || exit 77
    if setup; then
        exit 0
    fi
    echo "namespace setup failed" >&2
    cleanup
    exit 1
    ;;
cleanup)
    cleanup
    exit $?
    ;;
unprivileged)
    command -v setpriv >/dev/null 2>&1 || { echo "setpriv is missing: skipped"; exit 77; }
    for run in "sh $0 setup" "${2:?test binary}"; do
        # shellcheck disable=SC2086
        setpriv --bounding-set -sys_admin $run
        code=$?
        if [ $code -ne 77 ]; then
            echo "without the privilege, '$run' exited $code instead of 77 (skipped)" >&2
            exit 1
        fi
    done
    exit 0
    ;;
*)
    echo "usage: $0 setup|cleanup|unprivileged TEST-BINARY" >&2
    exit 2
    ;;
esac
