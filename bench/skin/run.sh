#!/bin/bash
# run.sh [BUILD_DIR]: builds and runs the skin inflater benchmark (native
# release build, zlib needed).
set -eu
build=${1:-$(dirname "$0")/../../build/linux}
cmake --build "$build" --target skin_inflate_bench -j2 >/dev/null
"$build/bin/skin_inflate_bench" "${CORPUS_MB:-50}"
