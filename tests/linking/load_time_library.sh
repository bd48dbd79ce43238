#!/usr/bin/env bash
# The programs import the library at load time: without it they do not start, and a compatible
# libEscrivania.so that comes first on LD_LIBRARY_PATH replaces ours.
# Usage: load_time_library.sh BIN_DIR OTHER_LIBRARY
set -u
bin=$1
other=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Alone in a folder, escrivania-run cannot start.
cp "$bin/escrivania-run" "$work/"
if out=$("$work/escrivania-run" --list 2>&1); then fail "started without the library"; fi
grep -q 'libEscrivania.so' <<<"$out" || fail "the loader did not name the missing library: $out"

# With our library, 9999 without an open file is an error the console reports.
ours=$("$bin/escrivania-run" --output "$work" "Registro 9999")
grep -q 'Erro na chamada do Registro 9999' <<<"$ours" || fail "our library did not refuse 9999: $ours"

# Another library put first on the path answers instead: the recording one answers 0.
mkdir "$work/other"
cp "$other" "$work/other/libEscrivania.so" || fail "no library to put first"
theirs=$(LD_LIBRARY_PATH="$work/other" "$bin/escrivania-run" --output "$work" "Registro 9999")
[ "$theirs" = '{"dialog": "message", "icon": "none", "caption": "escrivania-run", "text": "Verifique os arquivo de saída em '"$work"'"}' ] ||
  fail "the library on LD_LIBRARY_PATH did not replace ours: $theirs"
echo "1 passed, 0 failed"
