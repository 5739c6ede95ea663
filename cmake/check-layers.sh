#!/usr/bin/env bash
# Checks that includes between the source folders run one way only, from higher layers to lower:
#   automation < platform (walk) < services < common < ui < schedule < backup_browser, maintenance
#   < commands < component
# A folder may include its own files and those of lower layers; folders of one layer do not include
# each other. A window folder's core/ includes no window files and no Qt Widgets header, and the
# stand-in programs under tools/ use only the layers below the windows.
# Usage: check-layers.sh SOURCE_ROOT (the folder holding src/ and tools/). Exits 1 and lists each
# offending include when one runs the wrong way.
set -u
root=${1:?usage: check-layers.sh SOURCE_ROOT}
declare -A rank=([automation]=0 [platform]=1 [services]=2 [common]=3 [ui]=4 [schedule]=5
                 [backup_browser]=6 [maintenance]=6 [commands]=7 [component]=8)
# Headers of Qt Widgets, by the names they are included with.
widgets='^(QtWidgets/|Q(Abstract(Button|ItemView|ScrollArea|Slider|SpinBox)|Action|Application|BoxLayout|ButtonGroup|CalendarWidget|CheckBox|ComboBox|Dialog|DialogButtonBox|Frame|GridLayout|GroupBox|HBoxLayout|HeaderView|Label|Layout|LineEdit|ListView|ListWidget|MainWindow|Menu|MenuBar|MessageBox|ProgressDialog|PushButton|RadioButton|ScrollArea|SizePolicy|SpinBox|Splitter|StackedWidget|StatusBar|Style|StyleOption|StyledItemDelegate|TabWidget|TableView|TextEdit|ToolButton|ToolTip|TreeView|TreeWidget|VBoxLayout|Widget)>?$)'
status=0
complain() { echo "$1: $2"; status=1; }

while IFS= read -r -d '' file; do
    rel=${file#"$root"/}
    folder=${rel#src/}; folder=${folder%%/*}
    [ -n "${rank[$folder]+x}" ] || { complain "$rel" "folder '$folder' has no layer (add it to the list)"; continue; }
    in_core=0; [[ $rel == src/*/core/* ]] && in_core=1
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
    if [ "$in_core" = 1 ]; then
        while IFS= read -r target; do
            [[ $target =~ $widgets ]] && complain "$rel" "includes <$target>: a core uses no Qt Widgets"
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$file")
    fi
done < <(find "$root/src" \( -name '*.h' -o -name '*.cpp' \) -print0)

# The stand-in programs: nothing from the windows or above.
while IFS= read -r -d '' file; do
    rel=${file#"$root"/}
    [[ $rel == tools/host/* || $rel == tools/rnx/* ]] && continue
    while IFS= read -r target; do
        # rnx10-store runs the windows' own widget-free cores, never the windows.
        [[ $rel == tools/store/* && ($target == backup_browser/core/* || $target == maintenance/core/*) ]] && continue
        dep=${target%%/*}
        [ -n "${rank[$dep]+x}" ] && [ "${rank[$dep]}" -gt "${rank[common]}" ] &&
            complain "$rel" "includes \"$target\": stand-in tools use only the layers below the windows"
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$root/tools" \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null)

[ "$status" = 0 ] && echo "includes run one way"
exit "$status"
