#!/usr/bin/env bash
# Builds the Debian package, checks that its dependencies name the Qt libraries, unpacks it
# into a throwaway root and starts the packaged program under a virtual X server.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB -B "$root/out" >/dev/null)
deb=$(ls "$root"/out/kodovar_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 qt6-translations-l10n; do
    [[ $depends == *"$lib"* ]] || { echo "package does not depend on $lib"; exit 1; }
done
obsah=$(dpkg-deb -c "$deb")
for soubor in usr/bin/kodovar usr/share/applications/cz.kodovar.Kodovar.desktop \
    usr/share/icons/hicolor/scalable/apps/kodovar.svg usr/share/icons/hicolor/48x48/apps/kodovar.png; do
    [[ $obsah == *"./$soubor"* ]] || { echo "package lacks $soubor"; exit 1; }
done

dpkg-deb -x "$deb" "$root/koren"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/koren/usr/share/applications/cz.kodovar.Kodovar.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/koren/usr/share/metainfo/cz.kodovar.Kodovar.metainfo.xml"
fi
"$here/spusteni.sh" "$root/koren/usr/bin/kodovar"
