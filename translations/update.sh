#!/bin/sh
# Refreshes the translation sources from the code after texts were added or changed:
#   tolvane_strings_<lang>.ts  the numbered string table (qtTrId ids in src/text/string_table.cpp)
#   tolvane_<lang>.ts          the control texts of the windows (tr() in the classes under src/)
# tolvane_qt_<lang>.ts holds Qt's own standard button texts and is edited by hand.
# New or changed entries come out unfinished; translate them in Qt Linguist before committing.
set -eu
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
control_sources=$(find src -name '*.cpp' -o -name '*.h' | grep -v '^src/text/string_table\.cpp$' | sort)
for lang in ja fr zh_CN; do
    "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$lang" \
        src/text/string_table.cpp -ts "translations/tolvane_strings_$lang.ts"
    # shellcheck disable=SC2086
    "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$lang" \
        -I src $control_sources -ts "translations/tolvane_$lang.ts"
done
