#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder above it. Folders from the bottom up;
# each may include only those before it, so the core builds without the windows and
# no two folders depend on each other.
set -euo pipefail
cd "$(dirname "$0")/../src"
sira=(components startup document report designer printjob preview dialogs mainwindow)
hata=0
for i in "${!sira[@]}"; do
    ust=("${sira[@]:i+1}")
    [ ${#ust[@]} -eq 0 ] && continue
    desen="^[[:space:]]*#include \"($(IFS='|'; echo "${ust[*]}"))/"
    if grep -rnE "$desen" "${sira[i]}"; then
        hata=1
    fi
done
[ $hata -eq 0 ] || echo "Yukarıdaki include satırları üst bir klasöre bakıyor." >&2

# Windows and printers only in pencere/ folders, mainwindow/ and main.cpp: the core
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
    grep -vE '^\./([a-z]+/pencere/|mainwindow/|main\.cpp:)'; then
    echo "Yukarıdaki satırlar pencere kodunu pencere/ klasörleri dışına alıyor." >&2
    hata=1
fi
# Folders are named from src/, never reached by climbing.
if grep -rnE '^[[:space:]]*#include "\.\./' --include='*.cpp' --include='*.h' .; then
    echo "Yukarıdaki include satırları \"../\" ile çıkıyor." >&2
    hata=1
fi
exit $hata
