#!/bin/sh
# Builds the Debian package (build/tarvelle_VERSION_ARCH.deb) from the normal
# build, then checks it: its control data and contents, the desktop entry and
# AppStream validators, lintian, and, as root, an installation with apt-get and
# a headless start of the installed program on a graph file.
set -eu
cd "$(dirname "$0")/.."
./scripts/preparer.sh paquet
cd build
rm -f tarvelle_*.deb
cpack -G DEB
paquet=$(ls tarvelle_*.deb)
echo "Paquet : build/$paquet"
cd ..
./scripts/verifie-paquet.sh "build/$paquet"
