#!/bin/sh
# The long run of the monkey test: SEEDS seeds (default 50) of EVENTS events
# (default 20000) each, from seed FIRST (default 101), on the normal build.
# Every other seed runs at scale 2. Prints each seed's slowest events; stops at the first failure, which names
# its seed and event (TARVELLE_SINGE_GRAINE=... replays it).
set -eu
cd "$(dirname "$0")/.."
graines=${1:-50}
evenements=${2:-20000}
premiere=${3:-101}
cmake --build build --target test_singe -j "$(nproc)" > /dev/null
debut=$(date +%s)
g=$premiere
while [ "$g" -lt $((premiere + graines)) ]; do
    # Every other seed at scale 2, as on a high-density screen.
    if TARVELLE_SINGE_GRAINE=$g TARVELLE_SINGE_EVENEMENTS=$evenements QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$((1 + g % 2)) \
        ./build/tests/test_singe > /tmp/singe.$$ 2>&1; then
        grep -E "QINFO" /tmp/singe.$$ || true
    else
        grep -E "QINFO|FAIL|QFATAL|Received|ERROR" /tmp/singe.$$ || tail -20 /tmp/singe.$$
        echo "Singe : échec avec la graine $g"
        exit 1
    fi
    g=$((g + 1))
done
rm -f /tmp/singe.$$
echo "Singe : $((graines * evenements)) événements, $graines graines, $(( $(date +%s) - debut )) s"
