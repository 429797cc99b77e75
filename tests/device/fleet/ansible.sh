#!/bin/sh
# The example playbook (docs/examples/labelprinters.yml) run by ansible-playbook against
# two simulated printers on 127.0.0.1: the printer whose settings differ is "changed",
# the one that already matches is "ok", and a second run changes nothing.
# Usage: ansible.sh CLI SIM PLAYBOOK. Exit code 77 (skipped) without ansible-playbook.
set -u
CLI=$1
SIM=$2
PLAYBOOK=$3
if ! command -v ansible-playbook >/dev/null 2>&1; then
    echo "ansible-playbook is not installed (Debian: ansible-core): skipped"
    exit 77
fi
. "$(dirname "$0")/simhelpers.sh"
A=$(start_sim a)
B=$(start_sim b)

cat >"$DIR/profile.json" <<'JSON'
{"format": "labelsetup-profile", "version": 1, "model": "K53TA", "dotsPerMm": 12,
 "settings": {"print": {"density": 11}}}
JSON
# B already matches the profile.
"$CLI" apply "$DIR/profile.json" --net "127.0.0.1:$B" >/dev/null || { echo "apply to B failed"; exit 1; }

cat >"$DIR/hosts.ini" <<EOF2
[labelprinters]
printer-a printer=127.0.0.1:$A
printer-b printer=127.0.0.1:$B

[labelprinters:vars]
ansible_connection=local
ansible_python_interpreter=$(command -v python3)
EOF2

run() {
    ANSIBLE_NOCOLOR=1 ANSIBLE_HOST_KEY_CHECKING=0 ANSIBLE_LOCAL_TEMP="$DIR/tmp" \
        ANSIBLE_HOME="$DIR/ansible" \
        ansible-playbook -i "$DIR/hosts.ini" "$PLAYBOOK" \
        -e "profile=$DIR/profile.json" -e "labelsetup_cli=$CLI" "$@" >"$DIR/run.log" 2>&1
    status=$?
    cat "$DIR/run.log"
    return $status
}
expect() { # HOST CHANGED
    grep -Eq "^$1 +: ok=[0-9]+ +changed=$2 .*failed=0" "$DIR/run.log" ||
        { echo "expected $1 changed=$2"; exit 1; }
}

run --check || exit 1
expect printer-a 1
expect printer-b 0
run || exit 1
expect printer-a 1
expect printer-b 0
"$CLI" --net "127.0.0.1:$A" read print | grep -Eq "density +=? *11" ||
    { echo "the profile did not reach printer A"; "$CLI" --net "127.0.0.1:$A" read print; exit 1; }
run || exit 1
expect printer-a 0
expect printer-b 0
echo "ansible: changed only where written"
exit 0
