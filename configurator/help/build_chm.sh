#!/bin/bash
# build_chm.sh SRC_DIR OUT_FILE WORK_DIR: compiles the help project
# SRC_DIR/Quillory.hhp into OUT_FILE with Free Pascal's chmcmd.
#
# chmcmd stores the targets of the context numbers ([ALIAS]/[MAP]) as the
# project folder's absolute path joined with the file name, while the pages
# themselves are stored at "/<name>". Only a project in the root folder
# gives matching names, so chmcmd runs in a chroot of WORK_DIR that holds
# the project, chmcmd and the libraries it loads (a user namespace makes
# that possible without root rights).
set -eu
src=$1 out=$2 work=$3
chmcmd=$(readlink -f "$(command -v chmcmd)")

rm -rf "$work"
mkdir -p "$work"
cp "$src"/*.htm "$src"/*.hhc "$src"/*.hhp "$src"/*.h "$work"/
cp "$chmcmd" "$work/chmcmd"
# The libraries chmcmd links, and the threading library it loads at start.
libs=$(ldd "$chmcmd" | grep -o '/[^ ]*')
libs+=" $(ldconfig -p | awk '/libpthread\.so\.0 .*x86-64/ {print $NF; exit}')"
for lib in $libs; do
  mkdir -p "$work$(dirname "$lib")"
  cp "$lib" "$work$lib"
done

if [ "$(id -u)" -eq 0 ]; then jail=(chroot); else jail=(unshare -r chroot); fi
if ! (cd "$work" && "${jail[@]}" "$work" /chmcmd --no-html-scan /Quillory.hhp >"$work/chmcmd.log" 2>&1); then
  # Without a chroot the pages still compile, but the context numbers then
  # name paths that are not in the file: F1 opens the viewer without a topic.
  echo "build_chm: WARNING: no chroot here (user namespaces unavailable?); context topics will not resolve" >&2
  (cd "$work" && chmcmd --no-html-scan Quillory.hhp >"$work/chmcmd.log" 2>&1) || {
    cat "$work/chmcmd.log" >&2
    exit 1
  }
fi
cp "$work/Quillory.chm" "$out"
