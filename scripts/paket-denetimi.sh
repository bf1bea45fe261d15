#!/usr/bin/env bash
# Builds the Debian package from build/ and checks it as a user would get it: lintian,
# the desktop entry, the AppStream data, its files, and the program run from a
# throwaway root (dpkg -x) on the demo database, with and without --designs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if ! command -v dpkg-deb >/dev/null; then
    echo "dpkg-deb bulunamadı: paket denetimi atlandı." >&2
    exit 0
fi
(cd build && rm -f varnel_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/varnel_*_amd64.deb)
echo "Paket: $deb"
lintian --fail-on error "$deb"
desktop-file-validate paket/tr.com.varnel.Varnel.desktop
# The AppStream data must pass without an error or a warning.
if appstreamcli validate --no-net build/paket/tr.com.varnel.Varnel.metainfo.xml | grep -E '^[EW]:'; then
    exit 1
fi
dpkg-deb -c "$deb" | awk '{print $6, $7, $8}'

kok=$(mktemp -d /tmp/varnel-paket.XXXXXX)
trap 'rm -rf "$kok"' EXIT
dpkg -x "$deb" "$kok/kur"
varnel="$kok/kur/usr/bin/varnel"
"$varnel" --version
export XDG_CONFIG_HOME="$kok/ayar" XDG_DATA_HOME="$kok/veri" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME/varnel" "$kok/db"
printf '[International]\nsDecimal=","\nsThousand=.\nsDate=.\nsShortDate=dd.MM.yyyy\n' \
    >"$XDG_CONFIG_HOME/varnel/International.ini"
cat "$kok/kur/usr/share/varnel/sql/sema_sqlite.sql" "$kok/kur/usr/share/varnel/sql/demo_veri.sql" |
    sqlite3 "$kok/db/DEMO.db"
satir="sqlite:$kok/db|Demo Ticaret|DEMO|STOKKART.Stok_ID<=3|1|sa|x"
cp -r "$kok/kur/usr/share/varnel/Barkod" "$kok/kopya"
"$varnel" --designs "$kok/kopya" print "Raf Etiketi" --param Raf=A --out "$kok/x.pdf" "$satir"
pdftotext "$kok/x.pdf" - | grep -q "Şeker 1 kg"
# No --designs and no folder beside the program: the user's data folder, made and
# filled with the samples on the first start.
"$varnel" print "Raf Etiketi" --param Raf=A --out "$kok/y.pdf" "$satir"
ls "$XDG_DATA_HOME/varnel/Barkod/Raf Etiketi.ftr" "$XDG_DATA_HOME/varnel/Barkod/Baslik.mtr" >/dev/null
pdftotext "$kok/y.pdf" - | grep -q "Şeker 1 kg"
echo "Paket denetimi tamam."
