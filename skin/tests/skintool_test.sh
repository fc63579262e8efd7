#!/bin/bash
# skintool_test.sh SKINTOOL SKIN_ARCHIVE SKIN_SOURCE: skintool on our own
# skin: list, extract, rebuild from the extracted bitmaps, and a copy
# re-packed by Info-ZIP's zip with a password.
set -eu
tool=$1 skin=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$tool" list "$skin" > "$work/list"
tail -1 "$work/list" | grep -qx "32 bitmaps, 41 integers, 9 booleans, 0 texts" \
  || fail "summary: $(tail -1 "$work/list")"
grep -qx "bitmap  SKIN2_TITLEBAR1 15x31" "$work/list" || fail "title bar line"
grep -qx "integer SKIN2_FORMCOLOR 0x00EDCDB3" "$work/list" || fail "form colour line"
grep -qx "boolean SKIN2_RADIOBUTTONTRANS 1" "$work/list" || fail "switch line"
[ "$(wc -l < "$work/list")" -eq 83 ] || fail "line count"

# Extract, rebuild from the extracted bitmaps: the same listing.
"$tool" extract "$skin" "$work/bitmaps" > /dev/null
[ "$(ls "$work/bitmaps" | wc -l)" -eq 32 ] || fail "extracted files"
"$tool" build "$source" "$work/bitmaps" "$work/rebuilt.zsk"
"$tool" list "$work/rebuilt.zsk" | cmp -s - "$work/list" || fail "rebuilt skin lists differently"

# Failures: the reader's text on standard error, status 1.
printf 'SK\003\004 not an archive' > "$work/broken.zsk"
set +e
"$tool" list "$work/broken.zsk" > /dev/null 2> "$work/err"; status=$?
set -e
[ $status -eq 1 ] || fail "status $status for a broken archive"
grep -qx "Failed to read skin file!" "$work/err" || fail "message: $(cat "$work/err")"

# The description re-packed by zip with a password, signature patched to SK.
cp "$skin" "$work/pk.zip"
printf 'PK' | dd of="$work/pk.zip" bs=1 seek=0 conv=notrunc status=none
(cd "$work" && unzip -q pk.zip SKINDATA.SK2 && zip -q -X -P secret locked.zip SKINDATA.SK2)
printf 'SK' | dd of="$work/locked.zip" bs=1 seek=0 conv=notrunc status=none
"$tool" list "$work/locked.zip" --password secret | cmp -s - "$work/list" || fail "password listing"
set +e
"$tool" list "$work/locked.zip" --password wrong > /dev/null 2> "$work/err"; status=$?
set -e
[ $status -eq 1 ] && grep -qx "Wrong password!" "$work/err" || fail "wrong password: $(cat "$work/err")"
echo "skintool: all checks passed"
