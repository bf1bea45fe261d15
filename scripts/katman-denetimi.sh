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
exit $hata
