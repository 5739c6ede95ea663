#!/usr/bin/env bash
# The exported-symbols check passes on the built library and fails on a symbol list with one
# internal symbol planted: a function of the internals, a class of theirs, a standard library
# template instance.
set -u
check=$1 library=$2 headers=$3
scratch=$(mktemp -d); trap 'rm -rf "$scratch"' EXIT
failures=0
"$check" "$library" "$headers" || { echo "FAIL: the built library"; failures=1; }
nm -D --defined-only "$library" | awk '{print $NF}' >"$scratch/exported"
for planted in _ZN5rnx1013libraryFolderB5cxx11Ev _ZN5rnx1014ObjectRegistry11isRegisteredERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE \
    _ZTISt18bad_variant_access; do
    { cat "$scratch/exported"; echo "$planted"; } >"$scratch/planted"
    if "$check" --symbols "$scratch/planted" "$headers" >/dev/null; then
        echo "FAIL: $planted was not caught"; failures=1
    else
        echo "ok: $planted caught"
    fi
done
exit "$failures"
