#!/usr/bin/env bash
# Checks that includes between the source folders run one way only, from higher layers to lower:
#   automation < platform (walk) < services < store < health < common < ui < store_views
#   < schedule, recovery, thinning < backup_browser, maintenance < commands < component
# A folder may include its own files and those of lower layers; folders of one layer do not include
# each other. store/, health/ and maintenance/core/ use no Qt Widgets header (they are also built
# without it), and maintenance/core/ includes no window files of its folder. The programs under
# tools/ other than the host and rnx.exe use only the layers up to common/: rnx10-store calls the
# store and health as the windows do, never a window.
# Usage: check-layers.sh SOURCE_ROOT (the folder holding src/ and tools/). Exits 1 and lists each
# offending include when one runs the wrong way.
set -u
root=${1:?usage: check-layers.sh SOURCE_ROOT}
declare -A rank=([automation]=0 [platform]=1 [services]=2 [store]=3 [health]=4 [common]=5 [ui]=6
                 [store_views]=7 [schedule]=8 [recovery]=8 [thinning]=8 [backup_browser]=9
                 [maintenance]=9 [commands]=10 [component]=11)
# Headers of Qt Widgets, by the names they are included with.
widgets='^(QtWidgets/|Q(Abstract(Button|ItemView|ScrollArea|Slider|SpinBox)|Action|Application|BoxLayout|ButtonGroup|CalendarWidget|CheckBox|ComboBox|Dialog|DialogButtonBox|Frame|GridLayout|GroupBox|HBoxLayout|HeaderView|Label|Layout|LineEdit|ListView|ListWidget|MainWindow|Menu|MenuBar|MessageBox|ProgressDialog|PushButton|RadioButton|ScrollArea|SizePolicy|SpinBox|Splitter|StackedWidget|StatusBar|Style|StyleOption|StyledItemDelegate|TabWidget|TableView|TextEdit|ToolButton|ToolTip|TreeView|TreeWidget|VBoxLayout|Widget)>?$)'
status=0
complain() { echo "$1: $2"; status=1; }

while IFS= read -r -d '' file; do
    rel=${file#"$root"/}
    folder=${rel#src/}; folder=${folder%%/*}
    [ -n "${rank[$folder]+x}" ] || { complain "$rel" "folder '$folder' has no layer (add it to the list)"; continue; }
    in_core=0; [[ $rel == src/*/core/* ]] && in_core=1
    widget_free=$in_core; [[ $rel == src/store/* || $rel == src/health/* ]] && widget_free=1
    while IFS= read -r target; do
        dep=${target%%/*}
        [ "$dep" = "$target" ] && continue
        if [ -z "${rank[$dep]+x}" ]; then
            complain "$rel" "includes \"$target\" from an unknown folder"
        elif [ "$dep" != "$folder" ] && [ "${rank[$dep]}" -ge "${rank[$folder]}" ]; then
            complain "$rel" "includes \"$target\": $dep is not below $folder"
        elif [ "$in_core" = 1 ] && [ "$dep" = "$folder" ] && [[ $target != "$folder"/core/* ]]; then
            complain "$rel" "includes \"$target\": a core includes no window files"
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    if [ "$widget_free" = 1 ]; then
        while IFS= read -r target; do
            [[ $target =~ $widgets ]] && complain "$rel" "includes <$target>: $folder uses no Qt Widgets"
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$file")
    fi
done < <(find "$root/src" \( -name '*.h' -o -name '*.cpp' \) -print0)

# The stand-in programs: nothing from the windows or above.
while IFS= read -r -d '' file; do
    rel=${file#"$root"/}
    [[ $rel == tools/host/* || $rel == tools/rnx/* ]] && continue
    while IFS= read -r target; do
        dep=${target%%/*}
        [ -n "${rank[$dep]+x}" ] && [ "${rank[$dep]}" -gt "${rank[common]}" ] &&
            complain "$rel" "includes \"$target\": stand-in tools use only the layers below the windows"
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$root/tools" \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null)

[ "$status" = 0 ] && echo "includes run one way"
exit "$status"
