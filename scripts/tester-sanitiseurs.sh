#!/bin/sh
# Builds everything with AddressSanitizer and UBSan in build-asan/ and runs
# the whole test suite there, headless.
set -eu
cd "$(dirname "$0")/.."
./scripts/preparer.sh > /dev/null
cmake -S . -B build-asan -DTARVELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARVELLE_SINGE_EVENEMENTS=5000 -DTARVELLE_SINGE_LIMITE_MS=10000
cmake --build build-asan -j "$(nproc)"
cd build-asan
# Leak checking is left out: Qt and fontconfig keep caches until exit, and
# LeakSanitizer cannot run at all on machines that restrict ptrace.
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
