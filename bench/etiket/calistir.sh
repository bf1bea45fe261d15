#!/usr/bin/env bash
# The label benchmark job: N items, one label each, A4 sheets of 3 x 8, one PDF.
#   bench/etiket/calistir.sh [N ...]        (default 1000 10000 100000)
#   DOGRUDAN=1 bench/etiket/calistir.sh N   direct printing instead: one page per label
#                                           (the sheet check does not apply)
#   GLABELS=1 bench/etiket/calistir.sh N    also the same job in gLabels (glabels-3-batch,
#                                           "Bench Etiketi.glabels" on the same items),
#                                           the two run in turn TUR times (default 1;
#                                           gLabels needs minutes for 10,000 labels):
#                                           the shortest wall time of each and their ratio
#   ZPL=1 bench/etiket/calistir.sh N        the same labels for a thermal printer
#                                           ("Bench Termal", one label a page) as ZPL,
#                                           texts in the printer's font (ZPL=resim: as
#                                           pictures)
# Needs a Release build in build/ (./test or ./run makes one).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
shared=$(cd "$root/../shared/bench" 2>/dev/null && pwd || true)
varnel="${VARNEL:-$root/build/bin/varnel}"
work=$(mktemp -d /tmp/varnel-bench.XXXXXX)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/ayar" XDG_DATA_HOME="$work/veri"
mkdir -p "$XDG_CONFIG_HOME/varnel" "$work/Barkod"
printf '[International]\nsDecimal=","\nsThousand=.\nsDate=.\nsShortDate=dd.MM.yyyy\n' \
    > "$XDG_CONFIG_HOME/varnel/International.ini"
cp "$here/Bench Etiketi.ftr" "$here/Bench Termal.ftr" "$work/Barkod/"

for n in "${@:-1000 10000 100000}"; do
    for m in $n; do
        # Raw prices to load; the same items with Turkish-formatted prices to check.
        python3 "$shared/gen_items.py" -n "$m" --raw-prices -o "$work/ham-$m.csv"
        python3 "$shared/gen_items.py" -n "$m" -o "$work/items-$m.csv"
        python3 "$here/yukle.py" "$work/ham-$m.csv" "$work/STOK$m.db"
        line="sqlite:$work|Bench Ticaret|STOK$m|STOKKART.Stok_ID>0|1|sa|æ"
        echo "== N=$m"
        direct=()
        [ -z "${DOGRUDAN:-}" ] || direct=(--direct)
        design="Bench Etiketi" out="$work/out-$m.pdf"
        if [ -n "${ZPL:-}" ]; then
            # A thermal printer's settings: texts in its own font unless ZPL=resim.
            design="Bench Termal" out="$work/out-$m.zpl"
            yazilar=Yazici
            [ "$ZPL" != resim ] || yazilar=Resim
            printf '[Bench_Termal]\nDil=ZPL\nCozunurluk=203\nYazilar=%s\n' "$yazilar" \
                > "$XDG_CONFIG_HOME/varnel/Yazicilar.ini"
            direct+=(--printer Bench_Termal)
        fi
        /usr/bin/time -f "wall %e s, peak memory %M KB" \
            "$varnel" --designs "$work/Barkod" print "$design" "${direct[@]}" \
            --out "$out" "$line"
        echo "$(( $(stat -c %s "$out") / m )) bytes a label"
        if [ -n "${GLABELS:-}" ]; then
            sed "s|src=\"items.csv\"|src=\"$work/items-$m.csv\"|" "$here/Bench Etiketi.glabels" \
                > "$work/bench-$m.glabels"
            en_az() { sort -n | head -1; }
            for _ in $(seq "${TUR:-1}"); do
                /usr/bin/time -f %e -a -o "$work/varnel-$m.t" "$varnel" --designs "$work/Barkod" \
                    print "$design" "${direct[@]}" --out "$out" "$line" > /dev/null
                /usr/bin/time -f %e -a -o "$work/glabels-$m.t" glabels-3-batch \
                    -o "$work/glabels-$m.pdf" "$work/bench-$m.glabels" > /dev/null 2>&1
            done
            v=$(en_az < "$work/varnel-$m.t") g=$(en_az < "$work/glabels-$m.t")
            echo "varnel $v s, gLabels $g s: $(python3 -c "print(f'{$g / $v:.1f}')") x"
        fi
        if [ -n "$shared" ] && [ "${CHECK:-1}" = 1 ] && [ -z "${DOGRUDAN:-}${ZPL:-}" ]; then
            every=$(( m >= 100000 ? 200 : m >= 10000 ? 20 : 1 ))
            python3 "$shared/check_labels.py" "$work/items-$m.csv" "$work/out-$m.pdf" --every "$every"
        fi
    done
done
