#!/usr/bin/env bash
# Builds the Debian package labelsetup_<version>_<arch>.deb in build/.
# Install it with: apt install ./build/labelsetup_*.deb
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
command -v dpkg-shlibdeps >/dev/null || apt-get install -y -qq --no-install-recommends dpkg-dev >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target labelsetup labelsetup-cli labelprinter-sim labelsetup-docs -j"$(nproc)"
(cd build && cpack -G DEB)
ls -1 build/*.deb
