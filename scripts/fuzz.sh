#!/bin/sh
# Builds the libFuzzer targets with clang and runs each of them for the given
# number of seconds (60 by default), or executions ("5000000x"), starting from
# the committed corpus, as many at once as there are processors (CIBLES=...
# chooses the targets).
# New inputs go to build-fuzz/corpus-<target>; a crash leaves its input as
# build-fuzz/crash-* (add it to fuzz/corpus/<target>/ once fixed).
set -eu
cd "$(dirname "$0")/.."
DUREE="${1:-60}"

PAQUETS="clang libclang-rt-14-dev cmake pkg-config libsimpleini-dev libeigen3-dev"
MANQUANTS=""
for p in $PAQUETS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MANQUANTS="$MANQUANTS $p"
done
if [ -n "$MANQUANTS" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -q && apt-get install -y -q --no-install-recommends $MANQUANTS
    else
        echo "Installez : sudo apt-get install$MANQUANTS"; exit 1
    fi
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTARVELLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j "$(nproc)"

# One target: a time limit, or a number of executions ("5000000x").
lance() {
    cible=$1
    corpus="build-fuzz/corpus-$cible"
    mkdir -p "$corpus"
    case "$DUREE" in
        *x) limite="-runs=${DUREE%x}" ;;
        *) limite="-max_total_time=$DUREE" ;;
    esac
    options="$limite -timeout=2 -rss_limit_mb=2048 -print_final_stats=1"
    case "$cible" in
        # The text evaluator's inputs stay short enough to run millions of
        # times; the long texts are the monkey's and the unit tests' part.
        fuzz_evalue|fuzz_ligne) options="$options -dict=../fuzz/funclang.dict -max_len=512" ;;
        fuzz_solveur) options="$options -dict=../fuzz/funclang.dict -max_len=300" ;;
        *) options="$options -max_len=4096" ;;
    esac
    debut=$(date +%s)
    # The settings target writes its file four times a run: in memory
    # (tmpfs) it runs six times faster than on disk.
    if [ -d /dev/shm ] && [ -w /dev/shm ]; then
        export TMPDIR=/dev/shm
    fi
    # shellcheck disable=SC2086
    (cd build-fuzz && ./fuzz/$cible $options "corpus-$cible" "../fuzz/corpus/$cible") > "build-fuzz/journal-$cible.txt" 2>&1 || true
    echo "== $cible ($DUREE) : $(( $(date +%s) - debut )) s"
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|ERROR|SUMMARY|propriété" "build-fuzz/journal-$cible.txt" || true
}

# The allocation stacks AddressSanitizer records for its reports cost more
# than a run of most targets; a finding is replayed with them in full
# (ASAN_OPTIONS= ./build-fuzz/fuzz/<target> <input>).
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16}"

# As many targets at once as there are processors.
CIBLES="${CIBLES:-fuzz_evalue fuzz_ligne fuzz_solveur fuzz_nombres fuzz_options fuzz_graphe fuzz_compile fuzz_conique}"
paralleles=$(nproc)
n=0
for cible in $CIBLES; do
    lance "$cible" &
    n=$((n + 1))
    if [ $((n % paralleles)) -eq 0 ]; then
        wait
    fi
done
wait
