#!/usr/bin/env bash
# Installs the udev rule that lets the logged-in user open the label printers on USB,
# then asks udev to reload its rules and re-apply them to attached USB devices.
# Safe to run again; does not fail where udev is not running (containers, CI).
# UDEV_RULES_DIR installs into another folder (packaging, tests) and skips the reload.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
rule_name="60-labelsetup-printers.rules"
source_rule="${here}/../resources/udev/${rule_name}"
rules_dir="${UDEV_RULES_DIR:-/etc/udev/rules.d}"
target="${rules_dir}/${rule_name}"

if [ ! -f "${source_rule}" ]; then
    echo "install-udev-rule: ${source_rule} is missing" >&2
    exit 1
fi

if [ "$(id -u)" -ne 0 ] && [ -z "${UDEV_RULES_DIR:-}" ]; then
    echo "install-udev-rule: run as root (for example with sudo)" >&2
    exit 1
fi

mkdir -p "${rules_dir}"
if [ -f "${target}" ] && cmp -s "${source_rule}" "${target}"; then
    echo "install-udev-rule: ${target} is up to date"
else
    install -m 0644 "${source_rule}" "${target}"
    echo "install-udev-rule: installed ${target}"
fi

# Reload only where a udev daemon is actually running.
if [ -n "${UDEV_RULES_DIR:-}" ]; then
    echo "install-udev-rule: staged into ${rules_dir}; udev not reloaded"
elif command -v udevadm >/dev/null 2>&1 && [ -d /run/udev ] && udevadm control --ping >/dev/null 2>&1; then
    udevadm control --reload-rules || true
    udevadm trigger --subsystem-match=usb --attr-match=idVendor=4b7e || true
    echo "install-udev-rule: udev rules reloaded; plug the printer in again if it stays inaccessible"
else
    echo "install-udev-rule: udev is not running here; the rule applies from the next start of udev"
fi
