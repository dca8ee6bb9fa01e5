#!/bin/sh
# Installs the built program into a staging folder (DESTDIR) and checks the installed tree: both
# commands and their --version, the launcher (desktop-file-validate), the software-centre
# description (appstreamcli), the icon sizes, the manual pages, the demo data when it is there,
# and that the installed program starts on the data installed beside it without asking anything.
#
#   sh scripts/check-install.sh [BUILD_DIR]     (default: build)
#
# The demo data (data/Purnaka2000.dat, from scripts/build-demo-data.sh) is not needed: without it
# `cmake --install` leaves it out with a warning, and the check starts the installed program on a
# small data file that it builds with the installed tirtamaya-data.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"

sh scripts/install-packages.sh desktop-file-utils appstream man-db

WORK="$(mktemp -d "${TMPDIR:-/tmp}/tirtamaya-pasang.XXXXXX")"
trap 'rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM
ROOT="$WORK/root"
SHARE="$ROOT/usr/share"
fail() {
    echo "check-install: $*" >&2
    exit 1
}

DESTDIR="$ROOT" cmake --install "$BUILD_DIR" --prefix /usr >"$WORK/install.log" 2>&1 || {
    cat "$WORK/install.log" >&2
    fail "cmake --install gagal"
}

# The commands answer --version without a display.
for command in tirtamaya tirtamaya-data; do
    [ -x "$ROOT/usr/bin/$command" ] || fail "$command tidak terpasang di bin/"
done
version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ROOT/usr/bin/tirtamaya" --version)" ||
    fail "tirtamaya --version gagal"
version="${version#Tirtamaya }"
"$ROOT/usr/bin/tirtamaya-data" --version | grep -qF " $version" || fail "tirtamaya-data --version bukan $version"

launcher="$SHARE/applications/id.tirtamaya.Tirtamaya.desktop"
desktop-file-validate "$launcher" || fail "file .desktop tidak sah"
# The launcher names an installed command and an installed icon.
[ -x "$ROOT/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$launcher")" ] || fail "Exec= pada launcher bukan perintah terpasang"
icon="$(sed -n 's/^Icon=//p' "$launcher")"
[ -f "$SHARE/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon=$icon pada launcher tidak terpasang"
metainfo="$SHARE/metainfo/id.tirtamaya.Tirtamaya.metainfo.xml"
appstreamcli validate --no-net --strict "$metainfo" >"$WORK/metainfo.log" 2>&1 || {
    cat "$WORK/metainfo.log" >&2
    fail "metainfo tidak sah"
}
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo tidak menyebut rilis $version"
grep -q "<launchable type=\"desktop-id\">${launcher##*/}</launchable>" "$metainfo" || fail "metainfo tidak menyebut launcher"

# PNG width and height are the big-endian numbers at bytes 16 to 23.
[ -f "$SHARE/icons/hicolor/scalable/apps/$icon.svg" ] || fail "ikon SVG tidak terpasang"
for size in 16 24 32 48 64 128 256; do
    png="$SHARE/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || fail "ikon ${size}x$size tidak terpasang"
    measured="$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')"
    [ "$measured" = "${size}x$size" ] || fail "ikon ${size}x$size berukuran $measured"
done

for command in tirtamaya tirtamaya-data; do
    page="$SHARE/man/man1/$command.1.gz"
    gzip -t "$page" 2>/dev/null || fail "halaman manual $command tidak ada atau rusak"
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "halaman manual $command: $warnings"
    gzip -dc "$page" | grep -qF "Tirtamaya $version" || fail "halaman manual $command bukan versi $version"
done

FILES="$SHARE/tirtamaya"
if [ -f data/Purnaka2000.dat ]; then
    for f in Purnaka2000.dat TY_tips.dat; do
        [ -s "$FILES/$f" ] || fail "$f tidak terpasang di share/tirtamaya/"
    done
    ls "$FILES"/peta/*.png >/dev/null 2>&1 || fail "peta tidak terpasang di share/tirtamaya/peta/"
    echo "Data demo terpasang di share/tirtamaya/."
else
    # A small data file of one translation, for the start below.
    mkdir -p "$WORK/teks" "$FILES"
    printf 'Gen\t1\t1\tPada mulanya Allah menciptakan langit dan bumi.\n' >"$WORK/teks/ayat.txt"
    {
        printf '[Versi]\nnr = 1\nNamaVersi = Uji\nNamaTabel = Kitab1\nTeks = ayat.txt\n[Menu]\n'
        for feature in Perikop Pengantar Perumpamaan Peta Kamus Nubuat Commentary Deuterokanonika Keterangan Tematik; do
            printf '%s = 0\n' "$feature"
        done
    } >"$WORK/teks/katalog.txt"
    "$ROOT/usr/bin/tirtamaya-data" --diam "$WORK/teks/katalog.txt" "$FILES/Purnaka2000.dat" 2>/dev/null ||
        fail "tirtamaya-data terpasang tidak dapat membangun data uji"
    echo "Data demo belum dibangun: dipasang tanpa data; program dicoba pada data uji kecil."
fi

# A first start with fresh settings finds the installed data beside bin/ and asks nothing: an
# unanswered question would end it (TIRTA_NO_MODAL) before the chapter is painted.
mkdir -p "$WORK/home/config" "$WORK/home/data" "$WORK/home/tmp" "$WORK/home/runtime"
chmod 700 "$WORK/home/runtime"
started="$(env XDG_CONFIG_HOME="$WORK/home/config" XDG_DATA_HOME="$WORK/home/data" TMPDIR="$WORK/home/tmp" \
    XDG_RUNTIME_DIR="$WORK/home/runtime" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' \
    TIRTA_NO_MODAL=1 timeout 120 "$ROOT/usr/bin/tirtamaya" --measure-startup 2>&1)" ||
    fail "program terpasang tidak mulai: $started"
painted="$(echo "$started" | grep "^first chapter painted")" || fail "program terpasang tidak menampilkan pasal: $started"
echo "Pemasangan diperiksa: tirtamaya $version, $painted."
