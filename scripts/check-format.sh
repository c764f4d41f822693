#!/bin/sh
# Every C++ file of the project is formatted as .clang-format says.
cd "$(dirname "$0")/.."
if git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; then
    echo "format: ok"
else
    echo "Run clang-format -i on the files above."
    exit 1
fi
