#!/usr/bin/env bash
# The benchmark's thermal labels sent to a raw print queue of a CUPS scheduler of our
# own: the run's wall time and how long after its start the first byte reached the
# queue's far end (a listener on loopback).
#   bench/etiket/kuyruk.sh [N]    (default 10000)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
shared=$(cd "$root/../shared/bench" 2>/dev/null && pwd)
varnel="${VARNEL:-$root/build/bin/varnel}"
n=${1:-10000}
work=$(mktemp -d /tmp/varnel-kuyruk.XXXXXX)
port=$(( 20000 + RANDOM % 20000 ))
trap '"$root/scripts/cups-sunucu.sh" stop "$work/cups"; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/ayar"
mkdir -p "$XDG_CONFIG_HOME/varnel" "$work/Barkod"
printf '[International]\nsDecimal=","\nsThousand=.\nsDate=.\nsShortDate=dd.MM.yyyy\n' \
    > "$XDG_CONFIG_HOME/varnel/International.ini"
printf '[Barkod_Yazici]\nDil=ZPL\nYazilar=Yazici\n' > "$XDG_CONFIG_HOME/varnel/Yazicilar.ini"
cp "$here/Bench Termal.ftr" "$work/Barkod/"
python3 "$shared/gen_items.py" -n "$n" --raw-prices -o "$work/ham.csv"
python3 "$here/yukle.py" "$work/ham.csv" "$work/STOK.db"
while IFS= read -r line; do export "${line?}"; done \
    <<<"$("$root/scripts/cups-sunucu.sh" start "$work/cups" "$port")"
# The far end: the time its first byte came, and how many came in the run's two jobs
# (the first label, then the rest).
python3 - "$port" "$work/ilk" <<'PY' &
import socket, sys, time
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(2)
ilk, n = None, 0
for _ in range(2):
    c, _ = s.accept()
    while b := c.recv(1 << 20):
        ilk = ilk or time.time(); n += len(b)
open(sys.argv[2], "w").write(f"{ilk} {n}\n")
PY
dinleyici=$!
sleep 0.3
bas=$(date +%s.%N)
/usr/bin/time -f "wall %e s, peak memory %M KB" "$varnel" --designs "$work/Barkod" print \
    "Bench Termal" --direct --printer Barkod_Yazici \
    "sqlite:$work|Bench Ticaret|STOK|STOKKART.Stok_ID>0|1|sa|æ"
wait "$dinleyici"
read -r ilk bayt <"$work/ilk"
son=$(date +%s.%N)
python3 -c "print(f'first byte at the queue {float($ilk) - float($bas):.3f} s after the start,' \
    f' all {float($son) - float($bas):.3f} s; $bayt bytes, {$bayt / $n:.0f} a label')"
