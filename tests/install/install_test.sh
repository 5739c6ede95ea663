#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR
#
# An installed copy on its own: `cmake --install` into a scratch DESTDIR under a prefix other than
# the configured one, the tree then moved somewhere else again, and everything run with the build
# and source trees hidden (an empty tmpfs over each, in a private mount namespace, when user
# namespaces are available), with cron's minimal environment and no LD_LIBRARY_PATH:
#   - the files: the four public headers only, the sys link, run paths relative to $ORIGIN,
#     rnx10.pc and the CMake package with the library's description, the desktop entry (valid),
#     its icon, the catch-up autostart entry (valid), the man page; the install manifest lists
#     every installed file (the uninstall);
#   - the host: --help (and in German, from the moved translations), a windowless key, a windowed key with no display (406), the debugger
#     listing whose default program root is the moved tree, RunBackupComputer starting the
#     installed stand-ins, which write their archives;
#   - the stand-ins regbak.exe and shellbak.exe run directly, rnx.exe rendering offscreen;
#   - a C program built with `pkg-config rnx10` and a C++ program built with find_package(rnx10),
#     neither seeing Qt.
set -uo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/rnx10-install-XXXXXX")
prefix=/opt/zorvane-test
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

# --- install: once to check the manifest removes everything, once to use -----------------------
install_into() {
  DESTDIR=$1 cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }
}

install_into "$scratch/uninstall"
# The manifest lists the installed paths as CMake does, without DESTDIR.
installed=$(cd "$scratch/uninstall" && find . \( -type f -o -type l \) -printf '/%P\n' | sort)
listed=$(sort "$build/install_manifest.txt")
[ "$installed" = "$listed" ] || fail "install_manifest.txt differs from what was installed: $(diff <(echo "$listed") <(echo "$installed"))"
sed "s|^|$scratch/uninstall|" "$build/install_manifest.txt" | xargs -d '\n' rm -f
left=$(find "$scratch/uninstall" ! -type d)
[ -z "$left" ] || fail "removing the manifest's files left: $left"

stage=$scratch/stage
install_into "$stage"
tree=$stage$prefix
library=$(cd "$tree" && find . -name librnx10.so.1 -printf '%P\n')
[ -n "$library" ] || { echo "FAIL: librnx10.so.1 was not installed" >&2; exit 1; }
libdir=${library%/librnx10.so.1}
sys=$libdir/zorvane/1.0/Sys

headers=$(cd "$tree/include" && find . ! -type d -printf '%P\n' | sort | tr '\n' ' ')
check "public headers only, under include/rnx10 (got: $headers)" \
  [ "$headers" = "rnx10/AutomationError.h rnx10/Export.h rnx10/Variant.h rnx10/clsRNX10A.h rnx10/rnx10.h " ]
check "the public headers include no Qt" bash -c "! grep -n '#include <Q' '$tree'/include/rnx10/*.h"
check "1.0/sys is a link to Sys" [ "$(readlink "$tree/$libdir/zorvane/1.0/sys")" = Sys ]
for program in bin/rnx10 "$sys"/regbak.exe "$sys"/shellbak.exe "$sys"/rnx.exe "$sys"/tvqs.exe "$sys"/kev.exe; do
  check "$program was installed" [ -x "$tree/$program" ]
done
for elf in "$tree/bin/rnx10" "$tree/$sys"/*.exe "$tree/$library"; do
  runpath=$(readelf -d "$elf" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
  case $runpath in *"$build"*|*"$source"*) fail "$elf keeps a run path into the build: $runpath" ;; esac
done
check "the host finds the library beside bin" \
  [ "$(readelf -d "$tree/bin/rnx10" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')" = "\$ORIGIN/../$libdir" ]
check "rnx10.pc names the library" grep -qx 'Description: Zorvane Support Center Library' "$tree/$libdir/pkgconfig/rnx10.pc"
check "the CMake package was installed" [ -f "$tree/$libdir/cmake/rnx10/rnx10Config.cmake" ]

desktop=$tree/share/applications/zorvane-support-center.desktop
check "the desktop entry validates" desktop-file-validate "$desktop"
check "the desktop entry starts this installation's rnx.exe" \
  grep -qx "Exec=\"$prefix/$libdir/zorvane/1.0/sys/rnx.exe\"" "$desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
check "the icon $icon is in the hicolor theme" [ -f "$tree/share/icons/hicolor/scalable/apps/$icon.svg" ]
autostart=$tree/etc/xdg/autostart/zorvane-backup-catch-up.desktop
check "the catch-up autostart entry validates" desktop-file-validate "$autostart"
check "the catch-up autostart entry runs this installation's rnx10-store after a delay" \
  grep -qxF "Exec=sh -c \"sleep 180; exec '$prefix/bin/rnx10-store' catch-up\"" "$autostart"
man=$tree/share/man/man1/rnx10.1
check "the man page was installed" [ -f "$man" ]
check "the man page formats without warnings" bash -c "[ -z \"\$(groff -man -ww -z -Tutf8 '$man' 2>&1)\" ]"

# --- move the tree, hide the build ---------------------------------------------------------------
moved=$scratch/elsewhere/zorvane
mkdir -p "${moved%/*}"
mv "$tree" "$moved"
home=$scratch/home
mkdir -p "$home/.config/zorvane" "$home/.local/state/zorvane/logs" "$home/Documents"
echo "a letter" >"$home/Documents/letter.txt"
user=$(id -un)

if unshare --user --map-root-user --mount true 2>/dev/null; then
  # Each command runs with empty folders mounted over the build and the source tree.
  hidden() {
    unshare --user --map-root-user --mount -- bash -c \
      'mount -t tmpfs none "$1" && mount -t tmpfs none "$2" && shift 2 && exec "$@"' hide "$build" "$source" "$@"
  }
  check "the build tree can be hidden" hidden bash -c "[ ! -e '$build/CMakeCache.txt' ] && [ ! -e '$source/CMakeLists.txt' ]"
else
  echo "note: no user namespaces here, so the build tree stays visible; the run paths were checked above"
  hidden() { "$@"; }
fi
# cron's environment: HOME, LOGNAME, PATH and SHELL, nothing else (no display, no LD_LIBRARY_PATH).
cron_env() { hidden env -i HOME="$home" LOGNAME="$user" PATH=/usr/bin:/bin SHELL=/bin/sh "$@"; }

out=$scratch/out err=$scratch/err rc=0
run() { cron_env "$@" >"$out" 2>"$err"; rc=$?; }

run "$moved/bin/rnx10" --help
check "rnx10 --help exits 0" [ $rc -eq 0 ]
check "rnx10 --help lists 20 keys" [ "$(grep -c '^  RNXRUN_' "$out")" -eq 20 ]
for key in $(sed -n 's/^  \(RNXRUN_[A-Z]*\).*/\1/p' "$out"); do
  check "the man page describes $key" grep -q "^\.B $key\$" "$moved/share/man/man1/rnx10.1"
done

# The translations moved with the tree: the library finds them beside itself.
for language in de he; do
  check "the $language translation is installed" [ -f "$moved/share/rnx10/translations/rnx10_$language.qm" ]
done
english_usage=$(head -n 1 "$out")
hidden env -i HOME="$home" LOGNAME="$user" PATH=/usr/bin:/bin SHELL=/bin/sh LANG=de_DE.UTF-8 \
  "$moved/bin/rnx10" --help >"$out" 2>"$err"
check "rnx10 --help in German starts with the translated usage ($(head -n 1 "$out"))" \
  bash -c '[ "$(head -n 1 "$1")" != "$2" ] && head -n 1 "$1" | grep -q " rnx10 RunSupportCenter$"' check "$out" "$english_usage"
check "and still lists 20 keys" [ "$(grep -c '^  RNXRUN_' "$out")" -eq 20 ]

run "$moved/bin/rnx10" ExecuteSupportCenter RNXRUN_LIVECHAT
check "a windowless key exits 0 ($(cat "$err"))" [ $rc -eq 0 ]
run "$moved/bin/rnx10" ExecuteSupportCenter RNXRUN_BR
check "a windowed key with no display exits 1 (got $rc)" [ $rc -eq 1 ]
check "and says why: $(cat "$err")" grep -q '^rnx10: error 406: No display is available' "$err"

run "$moved/bin/rnx10" ExecuteSupportCenter RNXRUN_DEBUGGER
check "the default program root is beside the moved library ($(grep ZVENVSYS32MASK "$err"))" \
  grep -qxF "ZVENVSYS32MASK=$moved/$libdir/zorvane	[default]" "$err"

store=$home/.local/share/zorvane/backup
archives() { find "$store" -name details.ini 2>/dev/null | wc -l; }
run "$moved/$sys/regbak.exe"
check "regbak.exe runs ($(cat "$err"))" [ $rc -eq 0 ]
run "$moved/$sys/shellbak.exe"
check "shellbak.exe runs ($(cat "$err"))" [ $rc -eq 0 ]
check "the stand-ins wrote two archives" [ "$(archives)" -eq 2 ]

run "$moved/bin/rnx10" RunBackupComputer
check "RunBackupComputer exits 0 ($(cat "$err"))" [ $rc -eq 0 ]
check "bar.ini holds the time" grep -q '^LastTaken=' "$home/.local/state/zorvane/logs/bar.ini"
for _ in $(seq 600); do [ "$(archives)" -ge 4 ] && break; sleep 0.1; done
check "the installed stand-ins started by RunBackupComputer wrote their archives" [ "$(archives)" -eq 4 ]

cron_env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch" "$moved/$libdir/zorvane/1.0/sys/rnx.exe" \
  --screenshot "$scratch/rnx.png" >"$out" 2>"$err"
check "rnx.exe renders its window ($(cat "$err"))" [ "$(head -c 4 "$scratch/rnx.png" 2>/dev/null | tail -c 3)" = PNG ]

# --- consumers -------------------------------------------------------------------------------------
consumer=$scratch/consumer
mkdir -p "$consumer"
cat >"$consumer/consumer.c" <<'EOF'
#include <rnx10/rnx10.h>
#include <stdio.h>
#include <string.h>
int main(void)
{
    rnx10_instance *rnx;
    rnx10_error err;
    int32_t hwnd = 0;
    if (rnx10_create(&rnx, &err) != RNX10_OK)
        return 1;
    if (rnx10_execute_support_center(rnx, &hwnd, "RNXRUN_LIVECHAT", NULL, NULL, NULL, NULL, &err) != RNX10_OK)
        return 2;
    if (rnx10_execute_support_center(rnx, &hwnd, "RNXRUN_LICENSES", NULL, NULL, NULL, NULL, &err) != RNX10_FAILED ||
        err.number != 406)
        return 3;
    rnx10_release(rnx);
    puts("c consumer ok");
    return 0;
}
EOF
pc() { cron_env PKG_CONFIG_PATH="$moved/$libdir/pkgconfig" pkg-config "$@"; }
flags=$(pc --cflags --libs rnx10)
check "pkg-config rnx10 works ($flags)" [ -n "$flags" ]
check "pkg-config rnx10 brings no Qt ($flags)" bash -c "! grep -qi qt <<<'$flags'"
check "pkg-config rnx10 --modversion" [ "$(pc --modversion rnx10)" = 1.0.0 ]
libpath=$(pc --variable=libdir rnx10)
cron_env cc -std=c99 -Wall -Werror "$consumer/consumer.c" $flags -Wl,-rpath,"$libpath" -o "$consumer/c-consumer" >"$out" 2>&1
rc=$?
check "the C consumer builds: $(cat "$out")" [ $rc -eq 0 ]
run "$consumer/c-consumer"
check "the C consumer runs ($(cat "$out" "$err"))" grep -qx 'c consumer ok' "$out"

mkdir -p "$consumer/cxx"
cat >"$consumer/cxx/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(consumer CXX)
find_package(rnx10 1.0 REQUIRED)
message(STATUS "rnx10 description: ${rnx10_DESCRIPTION}")
add_executable(cxx-consumer main.cpp)
target_link_libraries(cxx-consumer PRIVATE rnx10::rnx10)
EOF
cat >"$consumer/cxx/main.cpp" <<'EOF'
#include <rnx10/AutomationError.h>
#include <rnx10/clsRNX10A.h>
#include <cstdio>
int main()
{
    rnx10::clsRNX10A rnx;
    std::int32_t hwnd = 0;
    if (!rnx.ExecuteSupportCenter(hwnd, "RNXRUN_LIVECHAT").isEmpty())
        return 1;
    try {
        rnx.ExecuteSupportCenter(hwnd, "RNXRUN_UPDATES");
        return 2;
    } catch (const rnx10::AutomationError &e) {
        if (e.number() != 406)
            return 3;
    }
    std::puts("c++ consumer ok");
    return 0;
}
EOF
cron_env cmake -S "$consumer/cxx" -B "$consumer/cxx/build" -G "Unix Makefiles" -DCMAKE_PREFIX_PATH="$moved" >"$out" 2>&1
rc=$?
check "find_package(rnx10) finds the moved tree: $(tail -5 "$out")" [ $rc -eq 0 ]
check "the CMake package names the library" grep -q 'rnx10 description: Zorvane Support Center Library' "$out"
cron_env cmake --build "$consumer/cxx/build" -- VERBOSE=1 >"$out" 2>&1
rc=$?
check "the C++ consumer builds: $(tail -20 "$out")" [ $rc -eq 0 ]
check "the C++ consumer's compile and link lines name no Qt" bash -c "! grep -i 'qt6\|qtcore\|qtwidgets' '$out'"
run "$consumer/cxx/build/cxx-consumer"
check "the C++ consumer runs ($(cat "$out" "$err"))" grep -qx 'c++ consumer ok' "$out"

if [ "$failures" -eq 0 ]; then
  rm -rf "$scratch"
  echo "installed copy: all checks passed"
  exit 0
fi
echo "$failures check(s) failed; scratch left in $scratch" >&2
exit 1
