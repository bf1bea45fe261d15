#!/usr/bin/env bash
# Starts or stops a throwaway PostgreSQL cluster on loopback for the tests.
#   scripts/pg-sunucu.sh start DIR PORT   prints the environment lines for the tests
#   scripts/pg-sunucu.sh stop DIR
set -euo pipefail
export PATH="$PATH:/usr/sbin:/sbin" # runuser lives there

cmd=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bin" ] || { echo "PostgreSQL bulunamadı" >&2; exit 1; }

# The server refuses to run as root: use the postgres account then.
as_owner() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$cmd" in
start)
    port=$3
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
    pwfile="$dir/pw"
    echo "varnel_test_sifre" > "$pwfile"
    [ "$(id -u)" -eq 0 ] && chown postgres "$pwfile"
    as_owner "$bin/initdb" -D "$dir/data" -U varnel --pwfile="$pwfile" -A scram-sha-256 \
        -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
        -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off -c log_statement=all" start >/dev/null
    echo "VARNEL_PG_HOST=127.0.0.1"
    echo "VARNEL_PG_PORT=$port"
    echo "VARNEL_PG_USER=varnel"
    echo "VARNEL_PG_PASSWORD=varnel_test_sifre"
    # Every statement the server ran, for tests that check what reached it.
    echo "VARNEL_PG_LOG=$dir/server.log"
    ;;
stop)
    if [ -d "$dir/data" ]; then
        as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    ;;
esac
