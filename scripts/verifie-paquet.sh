#!/bin/sh
# Checks a built package: control data, contents, the two validators and
# lintian; as root, installs it with apt-get and starts the installed program
# headless on a graph file, which must open without a message.
set -eu
paquet=$1
echec() { echo "Paquet : $*" >&2; exit 1; }

info=$(dpkg-deb --info "$paquet")
for champ in "Package: tarvelle" "Version: 1.1" "Section: math" "Architecture: amd64" \
             "qt6-translations-l10n" "libqt6widgets6" "libqt6multimedia6" "libqt6svg6"; do
    echo "$info" | grep -q "$champ" || echec "« $champ » manque dans dpkg-deb --info"
done

contenu=$(dpkg-deb --contents "$paquet" | awk '{print $6}')
for chemin in ./usr/bin/tarvelle ./usr/share/tarvelle/Son1.wav ./usr/share/tarvelle/Son2.wav \
              ./usr/share/applications/tarvelle.desktop ./usr/share/metainfo/tarvelle.metainfo.xml \
              ./usr/share/mime/packages/tarvelle.xml ./usr/share/man/man1/tarvelle.1.gz \
              ./usr/share/doc/tarvelle/copyright ./usr/share/doc/tarvelle/changelog.gz \
              ./usr/share/icons/hicolor/scalable/apps/tarvelle.svg \
              ./usr/share/icons/hicolor/scalable/mimetypes/application-x-tarvelle-graphe.svg; do
    echo "$contenu" | grep -qx "$chemin" || echec "$chemin manque dans le paquet"
done
for taille in 16 22 24 32 48 64 128 256; do
    echo "$contenu" | grep -qx "./usr/share/icons/hicolor/${taille}x${taille}/apps/tarvelle.png" \
        || echec "icône $taille manquante"
done

racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
dpkg-deb -x "$paquet" "$racine"
sortie=$(desktop-file-validate "$racine/usr/share/applications/tarvelle.desktop" 2>&1) || echec "$sortie"
echo "$sortie" | grep -Eq "warning|error|hint" && echec "desktop-file-validate : $sortie"
# AppStream: errors fail, warnings are printed for the record.
appstreamcli validate --no-net "$racine/usr/share/metainfo/tarvelle.metainfo.xml" || true
appstreamcli validate --no-net "$racine/usr/share/metainfo/tarvelle.metainfo.xml" | grep -q "^E:" \
    && echec "appstreamcli a trouvé des erreurs"
rapport=$(lintian --tag-display-limit 0 "$paquet" 2>&1 || true)
echo "$rapport"
echo "$rapport" | grep -q "^E:" && echec "lintian a trouvé des erreurs"

if [ "$(id -u)" -ne 0 ]; then
    echo "Paquet : installation et démarrage non essayés (il faut être root)."
    exit 0
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$paquet")" > /dev/null
essai=$(mktemp -d)
cp tests/donnees/sinus.mgr "$essai/Une courbe é.mgr"
(cd "$essai" && TARVELLE_ESSAI_DEMARRAGE=1 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$essai" \
    timeout 120 /usr/bin/tarvelle "Une courbe é.mgr" >"$essai/titre" 2>"$essai/erreurs") \
    || echec "le programme installé a échoué : $(cat "$essai/erreurs")"
# Qt may warn on standard error; the program's own boxes start with "Message :".
messages=$(grep "^Message :" "$essai/erreurs" || true)
[ -z "$messages" ] || echec "le programme installé a dit : $messages"
grep -q "Une courbe é.mgr" "$essai/titre" || echec "le fichier n'est pas ouvert (titre : $(cat "$essai/titre"))"
echo "Paquet : installé, démarré sur « Une courbe é.mgr » sans message."
rm -rf "$essai"
