#!/usr/bin/env bash
# Checks that librnx10 exports what its public headers declare and nothing else: every dynamic
# symbol it defines must be a C function the headers mark RNX10_EXPORT, or lie in namespace rnx10
# within a class or function marked so (its members, typeinfo and vtable).
# Usage: check-exports.sh LIBRARY HEADER_FOLDER
#        check-exports.sh --symbols FILE HEADER_FOLDER   (mangled names, one a line)
# Prints each symbol the headers do not declare and exits 1; else the number of exported symbols.
set -u
if [ "${1:-}" = --symbols ]; then
    symbols=$(cat "${2:?}"); headers=${3:?}
else
    library=${1:?usage: check-exports.sh LIBRARY HEADER_FOLDER}; headers=${2:?}
    symbols=$(nm -D --defined-only "$library" | awk '{print $NF}') || exit 1
fi
marked() { grep -h 'RNX10_EXPORT' "$headers"/*.h | grep -v '#define'; }
classes=$(marked | sed -n 's/.*\(class\|struct\) RNX10_EXPORT \([A-Za-z_0-9]*\).*/\2/p')
functions=$(marked | grep -v 'class\|struct' | sed -n 's/.*[ *&]\([A-Za-z_][A-Za-z_0-9]*\)(.*/\1/p')
[ -n "$classes$functions" ] || { echo "no RNX10_EXPORT declarations found in $headers"; exit 1; }

declared() { # declared NAME: NAME is the qualified name a demangled symbol stands for
    local name=$1 part
    if [[ $name != *::* ]]; then
        grep -qxF "$name" <<<"$functions"; return
    fi
    [[ $name == rnx10::* ]] || return 1
    IFS=: read -r -a parts <<<"${name//::/:}"
    for part in "${parts[@]:1}"; do
        grep -qxF "$part" <<<"$classes" && return 0
    done
    grep -qxF "${parts[-1]}" <<<"$functions"
}

status=0 count=0
while IFS=$'\t' read -r mangled demangled; do
    [ -n "$mangled" ] || continue
    count=$((count + 1))
    name=${demangled#typeinfo name for }; name=${name#typeinfo for }; name=${name#vtable for }
    name=${name%%(*}; name=${name//\[abi:cxx11\]/}
    declared "$name" || { echo "not declared by the public headers: $demangled ($mangled)"; status=1; }
done < <(paste <(printf '%s\n' "$symbols") <(printf '%s\n' "$symbols" | c++filt))
[ "$status" = 0 ] && echo "$count exported symbols, each declared by the public headers"
exit "$status"
