#!/usr/bin/env bash
# The include-direction check passes on the source tree, and fails on a copy of it with one wrong
# include planted, for each kind of wrong include.
set -u
check=$1 root=$2
scratch=$(mktemp -d); trap 'rm -rf "$scratch"' EXIT
failures=0

"$check" "$root" >/dev/null || { echo "FAIL: the source tree itself"; "$check" "$root"; failures=1; }

plant() { # plant FILE LINE: a copy of the tree with LINE added to FILE must fail the check
    rm -rf "$scratch/tree"; mkdir -p "$scratch/tree"
    cp -r "$root/src" "$root/tools" "$scratch/tree/"
    printf '%s\n' "$2" >> "$scratch/tree/$1"
    if "$check" "$scratch/tree" >/dev/null; then
        echo "FAIL: '$2' in $1 was not caught"; failures=1
    else
        echo "ok: '$2' in $1 caught"
    fi
}
plant src/platform/Launcher.cpp '#include "services/RuntimeService.h"'
plant src/services/ServiceSet.cpp '#include "component/clsRNX10A.h"'
plant src/schedule/frmBackUpScheduleA.cpp '#include "backup_browser/BrowserCommand.h"'
plant src/maintenance/frmMaintainceA.cpp '#include "backup_browser/BrowserCommand.h"'
plant src/store/StoreScan.cpp '#include "backup_browser/frmBackUpRestoreA.h"'
plant src/store/StoreScan.cpp '#include <QWidget>'
plant src/store/StoreRuns.cpp '#include "health/CatchUp.h"'
plant src/health/CatchUp.cpp '#include <QMessageBox>'
plant src/recovery/FindFilesWindow.cpp '#include "backup_browser/StatusPanel.h"'
plant src/thinning/frmThinArchives.cpp '#include "recovery/SearchFeed.h"'
plant src/store_views/ArchiveItems.cpp '#include "recovery/ResultItems.h"'
plant src/maintenance/core/FolderCleanup.cpp '#include <QtWidgets/QLabel>'
plant tools/backuptool/BackupRun.cpp '#include "ui/BusyGuard.h"'
plant tools/store/FindCommand.cpp '#include "recovery/ResultItems.h"'
exit "$failures"
