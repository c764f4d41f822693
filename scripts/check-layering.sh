#!/bin/sh
# Each room of src/ includes only the headers of the rooms below it:
#   core <- platform, questionnaire <- windows <- print <- legacy <- schedafile <- app
cd "$(dirname "$0")/.."
allowed() {
    case "$1" in
    core) echo "" ;;
    platform | questionnaire) echo "core" ;;
    windows) echo "core platform questionnaire" ;;
    print) echo "core platform questionnaire windows" ;;
    legacy) echo "core platform questionnaire windows print" ;;
    schedafile) echo "core platform questionnaire windows print legacy" ;;
    app) echo "core platform questionnaire windows print legacy schedafile" ;;
    *) echo "?" ;;
    esac
}
status=0
report=$(mktemp)
for dir in src/*/; do
    room=$(basename "$dir")
    ok=$(allowed "$room")
    if [ "$ok" = "?" ]; then
        echo "unknown room src/$room: add it to scripts/check-layering.sh"
        status=1
        continue
    fi
    # Every quoted include that names a room: "room/header.h".
    grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$dir" --include='*.h' --include='*.cpp' |
        while IFS= read -r hit; do
            used=$(printf '%s\n' "$hit" | sed -E 's/.*"([a-z]+)\/$/\1/')
            case " $ok " in
            *" $used "*) ;;
            *) echo "$hit: room $room may not include from $used" ;;
            esac
        done
done >"$report"
if [ -s "$report" ]; then
    cat "$report"
    status=1
fi
rm -f "$report"
[ $status = 0 ] && echo "layering: ok"
exit $status
