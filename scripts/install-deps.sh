#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent and quiet when everything is already there.
set -euo pipefail

# To build the programs and run the static checks.
BUILD_PACKAGES=(
  build-essential cmake pkg-config ninja-build ccache clang-tidy
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  libusb-1.0-0-dev libssl-dev prometheus-cpp-dev
)
# What the programs use when they run.
RUNTIME_PACKAGES=(
  qttranslations5-l10n libqt5svg5
  iproute2 procps
  fonts-wqy-microhei
)
# What the tests use: emulated USB devices, a display server, and the checkers of the
# menu entry, the manual pages, the completion, the AppStream file and the package, and
# a metrics server and a configuration tool that use the command line.
TEST_PACKAGES=(
  umockdev libumockdev-dev libglib2.0-dev
  xvfb xauth desktop-file-utils
  groff-base man-db bash-completion zsh appstream lintian dpkg-dev
  prometheus ansible-core python3
)
PACKAGES=("${BUILD_PACKAGES[@]}" "${RUNTIME_PACKAGES[@]}" "${TEST_PACKAGES[@]}")

# USB access for the logged-in user (a udev rule; harmless where udev is absent).
if [ "$(id -u)" -eq 0 ]; then
  "$(dirname "$0")/install-udev-rule.sh" >/dev/null
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
