#!/usr/bin/env bash
# What the build cannot see. Each folder of src/ is a library that sees only the
# headers of the libraries it links (src/CMakeLists.txt); a folder's own library still
# sees its pencere/ subfolder, so the rule that windows stay in pencere/ folders, the
# main window and the program's main is checked here.
set -euo pipefail
cd "$(dirname "$0")/../src"
hata=0
# Windows and printers only in pencere/ folders, mainwindow/ and program/: the core
# must build and run without them. Header names come from the installed modules.
qt=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || ls -d /usr/include/*/qt6 /usr/include/qt6 2>/dev/null | head -n 1 || true)
siniflar=""
for m in QtWidgets QtPrintSupport; do
    [ -d "$qt/$m" ] || continue
    siniflar+=$(cd "$qt/$m" && ls | grep -E '^Q[A-Za-z]+$' | tr '\n' '|')
done
pencere="^[[:space:]]*#include <(QtWidgets|QtPrintSupport)[/>]"
[ -n "$siniflar" ] && pencere+="|^[[:space:]]*#include <(${siniflar%|})>"
if grep -rnE "$pencere" --include='*.cpp' --include='*.h' . |
    grep -vE '^\./([a-z]+/pencere/|mainwindow/|program/)'; then
    echo "Yukarıdaki satırlar pencere kodunu pencere/ klasörleri dışına alıyor." >&2
    hata=1
fi
# A room's own library must not reach into its windows either.
if grep -rnE '^[[:space:]]*#include "[a-z]+/pencere/' --include='*.cpp' --include='*.h' . |
    grep -vE '^\./([a-z]+/pencere/|mainwindow/|program/)'; then
    echo "Yukarıdaki include satırları pencere/ dışından bir pencereye bakıyor." >&2
    hata=1
fi
# Folders are named from src/, never reached by climbing.
if grep -rnE '^[[:space:]]*#include "\.\./' --include='*.cpp' --include='*.h' .; then
    echo "Yukarıdaki include satırları \"../\" ile çıkıyor." >&2
    hata=1
fi
exit $hata
