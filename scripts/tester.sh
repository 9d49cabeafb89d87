#!/bin/sh
# Sets up, builds and runs the whole test suite, headless, then builds,
# checks and (as root) installs the Debian package.
set -eu
cd "$(dirname "$0")/.."
./scripts/preparer.sh paquet
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
./scripts/paquet.sh
