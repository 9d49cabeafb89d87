#!/bin/sh
# Sets up, builds and runs the whole test suite, headless.
set -eu
cd "$(dirname "$0")/.."
./scripts/preparer.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
