#!/usr/bin/env bash
# Compares the exported interface of the built librnx10 with the ABI baseline kept in the
# repository (src/librnx10.abi): any change to it fails, added functions too. A change made on
# purpose is recorded by writing the baseline anew (--update, or `ninja update_abi`).
# The library needs its debug information (a RelWithDebInfo or Debug build): the types are read there.
# Usage: check-abi.sh LIBRARY BASELINE [--update]
set -u
library=${1:?usage: check-abi.sh LIBRARY BASELINE [--update]}
baseline=${2:?}
# The exported functions and variables and the types they reach; nothing that depends on where the
# tree was built (paths, line numbers) or what it links.
if [ "${3:-}" = --update ]; then
    abidw --exported-interfaces-only --no-corpus-path --no-comp-dir-path --no-show-locs --no-elf-needed \
        --out-file "$baseline" "$library" || exit 1
    echo "ABI baseline written: $baseline"
    exit 0
fi
report=$(abidiff --exported-interfaces-only --no-show-locs "$baseline" "$library")
status=$?
if [ "$status" != 0 ]; then
    printf '%s\n' "$report"
    echo "The exported interface differs from $baseline (abidiff status $status)."
    echo "If the change is meant: run 'ninja update_abi' and commit the baseline; a change that"
    echo "breaks callers (removed or changed functions or types) also raises the soname."
    exit 1
fi
echo "the exported interface matches $baseline"
