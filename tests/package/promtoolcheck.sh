#!/bin/sh
# The example alerting rules load, and their unit tests pass: promtool check rules and
# promtool test rules. Skips (77) where promtool is not installed.
# Usage: promtoolcheck.sh EXAMPLES_DIR
set -eu
if ! command -v promtool >/dev/null 2>&1; then
    echo "SKIP: promtool is not installed (Debian: the prometheus package)"
    exit 77
fi
cd "$1"
promtool check rules labelprinter-alerts.yml
promtool test rules labelprinter-alerts.test.yml
promtool check config --syntax-only federation.yml
