#!/bin/bash
# make_zip_fixtures.sh OUTDIR: archives made by Info-ZIP's zip for the
# archive reader tests. They keep their "PK" signatures; the tests patch the
# local headers to "SK" themselves, so the "PK" archive is tested as made.
set -eu
out=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
cd "$work"

# The entry: text with repeats, so that zip deflates it.
for i in $(seq 1 2500); do echo "SKIN2_RECORD_$i = $((i * 7919 % 10007))"; done > SKINDATA.SK2
cp SKINDATA.SK2 "$out/content.bin"

zip -q -X plain.zip SKINDATA.SK2
zip -q -X -P secret password.zip SKINDATA.SK2
# Passwords as single bytes: Latin-1 FC ("ü") and the low byte AC of U+20AC.
zip -q -X -P $'\xfc'berall latin1.zip SKINDATA.SK2
zip -q -X -P $'\xac'uro euro.zip SKINDATA.SK2
echo "an archive comment" | zip -q -X -z comment.zip SKINDATA.SK2 >/dev/null
cp SKINDATA.SK2 skindata.sk2 && zip -q -X lower.zip skindata.sk2
# Streamed from standard input: a data descriptor follows the data (flag
# bit 3), so the password check byte comes from the modification time.
zip -q -X -P secret streamed.zip - < SKINDATA.SK2
printf '@ -\n@=SKINDATA.SK2\n' | zipnote -w streamed.zip
: > empty && zip -q -X empty.zip empty
printf '@ empty\n@=SKINDATA.SK2\n' | zipnote -w empty.zip

cp plain.zip password.zip latin1.zip euro.zip comment.zip lower.zip streamed.zip empty.zip "$out/"
