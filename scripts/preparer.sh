#!/bin/sh
# Installs what the build needs (Debian 12 packages), then configures and
# builds Tarvelle in build/. Used by lancer.sh, tester.sh and paquet.sh.
set -eu
cd "$(dirname "$0")/.."

PAQUETS="g++ make cmake pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev libsimpleini-dev libeigen3-dev fonts-liberation qt6-translations-l10n"
# With "paquet": also what builds and checks the Debian package.
if [ "${1:-}" = paquet ]; then
    PAQUETS="$PAQUETS dpkg-dev file desktop-file-utils appstream lintian"
fi
MANQUANTS=""
for p in $PAQUETS; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        MANQUANTS="$MANQUANTS $p"
    fi
done
if [ -n "$MANQUANTS" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installation des paquets :$MANQUANTS"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q
        # shellcheck disable=SC2086
        apt-get install -y -q --no-install-recommends $MANQUANTS
    else
        echo "Paquets manquants :$MANQUANTS"
        echo "Installez-les avec : sudo apt-get install$MANQUANTS"
        exit 1
    fi
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
