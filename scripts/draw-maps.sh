#!/bin/sh
# Draws the maps and pictures of the demo data with GMT into FOLDER/Peta (the picture folder
# beside the data file). Coordinates (longitude, latitude) and names are written down here;
# coastlines, lakes and rivers come from the GSHHG data Debian packages (gmt-gshhg-high).
#
#   sh scripts/draw-maps.sh FOLDER
set -eu
OUT="$(cd "$1" && pwd)/Peta"
mkdir -p "$OUT"
WORK="$(mktemp -d "${TMPDIR:-/tmp}/tirtamaya-peta.XXXXXX")"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

# Shared look: sand-coloured land, blue water, no modern borders (the maps show older times).
LAND="-Gwheat1 -Slightsteelblue1 -W0.25p,gray40 -Ir/0.4p,steelblue -C+llightsteelblue1"
DOT="-Sc0.16c -Gdarkred -W0.3p,white"
NAME="+f8p,Helvetica,black+jML"
REGION="+f11p,Helvetica-Bold,gray25+jCM"
WATER="+f9p,Helvetica-Oblique,steelblue4+jCM"

map() { # name: runs the drawing commands of one map in its own GMT session
    name="$1"; shift
    ( export GMT_SESSION_NAME="tirtamaya-$name"
      mkdir "$WORK/$name" && cd "$WORK/$name"
      gmt begin "$OUT/$name" png E150
      "$@"
      gmt end ) >/dev/null 2>"$WORK/$name.err" || { cat "$WORK/$name.err" >&2; return 1; }
}

israel() {
    gmt coast -R34.2/36.3/30.9/33.6 -JM15c -Di $LAND -Bxa0.5f0.25 -Bya0.5f0.25 -BWSne+t"Tanah Israel pada Zaman Yesus"
    gmt text -F$REGION <<'EOF'
35.30 33.05 GALILEA
35.05 32.33 SAMARIA
34.95 31.62 YUDEA
35.68 31.95 PEREA
36.02 32.55 DEKAPOLIS
34.72 31.15 IDUMEA
35.45 33.45 FENISIA
36.02 33.05 ITUREA
EOF
    gmt text -F$WATER <<'EOF'
34.45 32.55 Laut Tengah
35.76 32.74 Danau Galilea
35.52 31.48 Laut Mati
35.60 32.30 S. Yordan
EOF
    cat >places.txt <<'EOF'
35.303 32.700 Nazaret
35.575 32.881 Kapernaum
35.630 32.910 Betsaida
35.340 32.750 Kana
35.531 32.795 Tiberias
35.516 32.827 Magdala
35.350 32.630 Nain
35.694 33.248 Kaisarea Filipi
34.890 32.500 Kaisarea
35.284 32.206 Sikhar
35.192 32.276 Samaria
35.230 31.778 Yerusalem
35.200 31.705 Betlehem
35.444 31.856 Yerikho
34.990 31.840 Emaus
34.752 32.054 Yope
35.196 33.271 Tirus
35.680 32.655 Gadara
35.891 32.280 Gerasa
35.100 31.530 Hebron
34.450 31.500 Gaza
35.353 31.315 Masada
EOF
    gmt plot places.txt $DOT
    gmt text places.txt -F$NAME -D0.2c/0c
}

exodus() {
    gmt coast -R29.5/37/27.3/32.3 -JM16c -Di $LAND -Bxa1f0.5 -Bya1f0.5 -BWSne+t"Rute Keluaran dari Mesir"
    gmt text -F$REGION <<'EOF'
30.40 29.00 MESIR
33.70 29.80 SEMENANJUNG SINAI
35.00 31.70 KANAAN
35.62 30.55 EDOM
36.05 31.45 MOAB
35.70 28.30 MIDIAN
EOF
    gmt text -F$WATER <<'EOF'
31.60 31.90 Laut Tengah
34.40 27.60 Laut Teberau
32.70 29.20 Teluk Suez
34.72 28.60 Teluk Akaba
EOF
    gmt plot -W1.6p,firebrick,-- <<'EOF'
31.830 30.800
32.100 30.550
32.350 30.450
32.450 30.080
32.700 29.950
32.950 29.550
33.100 29.300
33.400 28.900
33.800 28.700
33.975 28.539
34.420 30.690
34.980 29.550
35.400 30.320
35.730 31.770
35.444 31.856
EOF
    cat >places.txt <<'EOF'
31.830 30.800 Ramses
32.100 30.550 Sukot
32.350 30.450 Etam
32.450 30.080 Pi-Hahirot
32.950 29.550 Mara
33.100 29.300 Elim
33.800 28.700 Rafidim
33.975 28.539 Gunung Sinai
34.420 30.690 Kadesh-Barnea
34.980 29.550 Ezion-Geber
35.400 30.320 Gunung Hor
35.730 31.770 Gunung Nebo
35.444 31.856 Yerikho
31.250 29.850 Memfis
EOF
    gmt plot places.txt $DOT
    gmt text places.txt -F$NAME -D0.2c/0c
}

paul() {
    gmt coast -R11/37.5/30/42.5 -JM30c -Di $LAND -Bxa2f1 -Bya2f1 -BWSne+t"Perjalanan Misi Rasul Paulus"
    gmt text -F$WATER <<'EOF'
18.50 35.00 Laut Tengah
25.00 39.20 Laut Aegea
15.00 41.20 Laut Tirenia
EOF
    gmt text -F$REGION <<'EOF'
12.80 42.20 ITALIA
22.20 41.30 MAKEDONIA
22.30 38.60 AKHAYA
28.50 38.80 ASIA
32.60 38.80 GALATIA
33.80 36.70 KILIKIA
37.00 34.60 SIRIA
35.00 31.20 YUDEA
EOF
    gmt plot -W1.6p,darkgreen <<'EOF'
36.16 36.20
35.93 36.12
33.90 35.18
32.41 34.76
30.85 36.96
31.19 38.31
32.49 37.87
32.36 37.58
33.36 37.35
32.36 37.58
32.49 37.87
31.19 38.31
30.85 36.96
30.70 36.89
36.16 36.20
EOF
    gmt plot -W1.6p,blue,- <<'EOF'
36.16 36.20
34.90 36.92
33.36 37.35
32.36 37.58
32.49 37.87
31.19 38.31
26.16 39.75
24.41 40.94
24.29 41.01
23.84 40.82
22.94 40.64
22.20 40.52
23.73 37.98
22.88 37.91
22.99 37.88
27.34 37.94
34.89 32.50
35.23 31.78
36.16 36.20
EOF
    gmt plot -W1.6p,darkorange,. <<'EOF'
36.16 36.20
34.90 36.92
33.36 37.35
32.36 37.58
32.49 37.87
31.19 38.31
27.34 37.94
26.16 39.75
24.41 40.94
24.29 41.01
22.94 40.64
22.20 40.52
22.88 37.91
22.20 40.52
22.94 40.64
24.29 41.01
26.16 39.75
27.28 37.53
27.29 36.89
28.22 36.44
29.32 36.26
35.20 33.27
35.08 32.92
34.89 32.50
35.23 31.78
EOF
    gmt plot -W1.8p,purple <<'EOF'
34.89 32.50
35.37 33.56
29.98 36.26
27.37 36.69
24.83 34.93
14.40 35.90
15.29 37.08
15.65 38.11
14.12 40.82
12.48 41.89
EOF
    cat >places.txt <<'EOF'
35.23 31.78 Yerusalem
36.16 36.20 Antiokhia
34.90 36.92 Tarsus
35.93 36.12 Seleukia
33.90 35.18 Salamis
32.41 34.76 Pafos
30.85 36.96 Perga
31.19 38.31 Antiokhia (Pisidia)
32.49 37.87 Ikonium
32.36 37.58 Listra
33.36 37.35 Derbe
26.16 39.75 Troas
24.41 40.94 Neapolis
24.29 41.01 Filipi
23.84 40.82 Amfipolis
22.94 40.64 Tesalonika
22.20 40.52 Berea
23.73 37.98 Atena
22.88 37.91 Korintus
27.34 37.94 Efesus
27.28 37.53 Miletus
28.22 36.44 Rodos
29.32 36.26 Patara
35.20 33.27 Tirus
34.89 32.50 Kaisarea
35.37 33.56 Sidon
36.29 33.51 Damsyik
29.98 36.26 Mira
27.37 36.69 Knidus
24.83 34.93 Pelabuhan Indah
14.40 35.90 Malta
15.29 37.08 Sirakusa
15.65 38.11 Regium
14.12 40.82 Puteoli
12.48 41.89 Roma
EOF
    gmt plot places.txt $DOT
    gmt text places.txt -F$NAME -D0.2c/0c
    gmt legend -DjBL+w7c+o0.3c -F+gwhite+p0.5p <<'EOF'
S 0.5c - 0.9c - 1.6p,darkgreen 1.2c Perjalanan pertama
S 0.5c - 0.9c - 1.6p,blue,- 1.2c Perjalanan kedua
S 0.5c - 0.9c - 1.6p,darkorange,. 1.2c Perjalanan ketiga
S 0.5c - 0.9c - 1.8p,purple 1.2c Pelayaran ke Roma
EOF
}

empires() {
    gmt coast -R24/58/22/42 -JM18c -Dl $LAND -Bxa5f1 -Bya5f1 -BWSne+t"Kerajaan-kerajaan di Sekitar Israel"
    gmt text -F$REGION <<'EOF'
30.00 26.50 MESIR
43.50 37.30 ASYUR
45.30 31.60 BABEL
52.50 31.00 PERSIA
49.20 35.60 MEDIA
48.00 33.20 ELAM
34.50 39.40 KERAJAAN HET
37.60 34.60 ARAM
37.50 30.20 EDOM
40.00 27.00 ARAB
EOF
    gmt text -F$WATER <<'EOF'
29.00 33.80 Laut Tengah
38.20 22.80 Laut Merah
50.30 27.50 Teluk Persia
41.50 35.20 S. Efrat
44.80 34.50 S. Tigris
31.00 24.00 S. Nil
EOF
    cat >places.txt <<'EOF'
35.23 31.78 Yerusalem
35.19 32.28 Samaria
36.29 33.51 Damsyik
35.20 33.27 Tirus
43.15 36.36 Niniwe
44.42 32.54 Babel
46.10 30.96 Ur
39.03 36.86 Haran
38.00 36.83 Karkemis
48.25 32.19 Susa
52.89 29.93 Persepolis
48.52 34.80 Ekbatana
34.61 40.02 Hattusa
31.25 29.85 Memfis
32.65 25.70 Tebe
EOF
    gmt plot places.txt $DOT
    gmt text places.txt -F$NAME -D0.2c/0c
}

jerusalem() {
    gmt coast -R34.9/35.6/31.55/32.0 -JM16c -Df $LAND -Bxa0.1f0.05 -Bya0.1f0.05 -BWSne+t"Yerusalem dan Sekitarnya"
    gmt text -F$WATER <<'EOF'
35.52 31.62 Laut Mati
35.54 31.95 S. Yordan
EOF
    gmt text -F$REGION <<'EOF'
35.05 31.62 YUDEA
35.40 31.98 BENYAMIN
EOF
    cat >places.txt <<'EOF'
35.230 31.778 Yerusalem
35.200 31.705 Betlehem
35.262 31.771 Betania
34.990 31.840 Emaus
35.444 31.856 Yerikho
35.183 31.847 Gibeon
35.210 31.883 Mizpa
35.233 31.893 Rama
35.220 31.930 Betel
35.262 31.918 Ai
35.262 31.811 Anatot
35.104 31.813 Kiryat-Yearim
34.976 31.750 Bet-Semes
35.219 31.633 Tekoa
35.266 31.666 Herodium
35.459 31.741 Kumran
EOF
    gmt plot places.txt $DOT
    gmt text places.txt -F$NAME -D0.2c/0c
}

tabernacle() {
    # Exodus 26-27: a court of 100 by 50 cubits, the tent 30 by 10, the inner room 10 by 10.
    gmt basemap -R-5/105/-5/58 -JX18c/9.4c -Bxa10+l"hasta" -Bya10 -BWSne+t"Denah Kemah Suci (Keluaran 26-27)"
    printf '0 0\n100 0\n100 50\n0 50\n0 0\n' | gmt plot -W1.5p,gray30 -Gfloralwhite
    printf '100 15\n100 35\n' | gmt plot -W5p,firebrick
    printf '20 20\n50 20\n50 30\n20 30\n20 20\n' | gmt plot -W1p,black -Gkhaki
    printf '30 20\n30 30\n' | gmt plot -W2p,purple
    printf '67.5 22.5\n72.5 22.5\n72.5 27.5\n67.5 27.5\n67.5 22.5\n' | gmt plot -W1p -Gperu
    printf '58 25\n' | gmt plot -Sc0.35c -Gsteelblue -W0.5p
    printf '25 25\n' | gmt plot -Sr0.4c/0.25c -Ggold -W0.5p
    printf '40 28\n' | gmt plot -Sr0.35c/0.2c -Gburlywood -W0.5p
    printf '40 22\n' | gmt plot -St0.3c -Ggold -W0.5p
    printf '45 25\n' | gmt plot -Ss0.2c -Ggold -W0.5p
    gmt text -F+f8p,Helvetica,black+jCM <<'EOF'
25 32 Ruang Mahakudus
40 32 Ruang Kudus
25 23 Tabut Perjanjian
40 29.6 Meja Roti Sajian
40 20.6 Kaki Dian
45 23.5 Mezbah Ukupan
70 30 Mezbah Korban Bakaran
58 22.5 Bejana Pembasuhan
96 40 Pintu Gerbang
50 46 Pelataran (100 x 50 hasta)
EOF
}

map israel-zaman-yesus israel &
map rute-keluaran exodus &
wait
map perjalanan-paulus paul &
map kerajaan-sekitar-israel empires &
wait
map sekitar-yerusalem jerusalem &
map denah-kemah-suci tabernacle &
wait
for f in israel-zaman-yesus rute-keluaran perjalanan-paulus kerajaan-sekitar-israel sekitar-yerusalem denah-kemah-suci; do
    [ -s "$OUT/$f.png" ] || { echo "Peta $f tidak tergambar" >&2; exit 1; }
done
