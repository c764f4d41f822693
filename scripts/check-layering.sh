#!/bin/sh
# Each room of src/ includes only the headers of the rooms below it:
#
#   core  <-  platform, questionnaire
#   questionnaire  <-  schedafile, print          (these see no widget)
#   platform, questionnaire  <-  windows
#   windows, schedafile, print  <-  commands  <-  legacy  <-  app  <-  bench
#
# The named controls of a window (windows/controls.h) stay inside the windows room; the whole
# state of a model module open to change (windows/editingstate.h) stays inside it too, away
# from the tests as well.
# The suites of tests/<room>/ include only what their room may include (the shared test
# support of tests/support/ sees no widget; tests/windows/ adds the window fixtures).
cd "$(dirname "$0")/.."
allowed() {
    case "$1" in
    core) echo "" ;;
    platform | questionnaire) echo "core" ;;
    schedafile | print) echo "core questionnaire" ;;
    windows) echo "core platform questionnaire" ;;
    commands) echo "core platform questionnaire schedafile print windows" ;;
    legacy) echo "core platform questionnaire schedafile print windows commands" ;;
    app) echo "core platform questionnaire schedafile print windows commands legacy" ;;
    bench) echo "core platform questionnaire schedafile print windows commands legacy app" ;;
    support) echo "core questionnaire schedafile print" ;;
    *) echo "?" ;;
    esac
}
status=0
report=$(mktemp)
check() { # check <folder> <room whose rules apply>
    ok=$(allowed "$2")
    if [ "$ok" = "?" ]; then
        echo "unknown room $1: add it to scripts/check-layering.sh"
        return 1
    fi
    # Every quoted include that names a room: "room/header.h".
    grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$1" --include='*.h' --include='*.cpp' |
        while IFS= read -r hit; do
            used=$(printf '%s\n' "$hit" | sed -E 's/.*"([a-z]+)\/$/\1/')
            case " $ok $2 " in
            *" $used "*) ;;
            *) echo "$hit: $2 may not include from $used" ;;
            esac
        done
}
for dir in src/*/; do
    check "$dir" "$(basename "$dir")" || status=1
done >"$report"
for dir in tests/*/; do
    room=$(basename "$dir")
    case "$room" in
    data) continue ;;
    esac
    check "$dir" "$room" || status=1
done >>"$report"
check bench bench >>"$report" || status=1
# The named controls of a questionnaire window are the windows room's own (and the tests').
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"windows/controls\.h"' src --include='*.h' --include='*.cpp' |
    sed 's/$/: only the windows room reaches the controls of a window/' >>"$report"
# The rest reads a module's state through ModelModule::state() and its named mutators.
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"windows/editingstate\.h"' src tests bench \
    --include='*.h' --include='*.cpp' |
    sed 's/$/: only the windows room changes the state of a model module at will/' >>"$report"
if [ -s "$report" ]; then
    cat "$report"
    status=1
fi
rm -f "$report"
[ $status = 0 ] && echo "layering: ok"
exit $status
