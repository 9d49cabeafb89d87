#!/bin/sh
# Sets up, builds and starts the calculator.
set -eu
cd "$(dirname "$0")/.."
./scripts/preparer.sh
exec ./build/tarvelle "$@"
