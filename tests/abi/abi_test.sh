#!/usr/bin/env bash
# The ABI check passes on the built library against the baseline, and fails against a baseline
# planted with a change: a function the library adds, a member of a structure moved.
set -u
check=$1 library=$2 baseline=$3
scratch=$(mktemp -d); trap 'rm -rf "$scratch"' EXIT
failures=0
"$check" "$library" "$baseline" || { echo "FAIL: the built library against $baseline"; failures=1; }
plant() { # plant WHAT SED-PROGRAM: the check must fail against the baseline edited so
    sed -e "$2" "$baseline" >"$scratch/planted.abi"
    cmp -s "$baseline" "$scratch/planted.abi" && { echo "FAIL: the plant '$1' changed nothing"; failures=1; return; }
    if "$check" "$library" "$scratch/planted.abi" >/dev/null; then
        echo "FAIL: $1 was not caught"; failures=1
    else
        echo "ok: $1 caught"
    fi
}
plant "an added function" "/<elf-symbol name='rnx10_run_event_loop'/d; /<function-decl name='rnx10_run_event_loop'/,/<\/function-decl>/d"
plant "a moved structure member" "/<class-decl name='rnx10_error'/,/<\/class-decl>/s/layout-offset-in-bits='32'/layout-offset-in-bits='64'/"
exit "$failures"
