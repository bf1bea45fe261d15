#!/usr/bin/env bash
# Starts or stops a throwaway CUPS scheduler of the tests' own (not the system's), on a
# socket in its folder, with a raw queue "Barkod_Yazici" (described "Barkod Yazıcı") and
# a raw queue "Surucu_Yazici" for the driver road, both sending to 127.0.0.1:PORT where
# the tests listen.
#   scripts/cups-sunucu.sh start DIR PORT   prints the environment lines for the tests
#   scripts/cups-sunucu.sh stop DIR
set -euo pipefail
export PATH="$PATH:/usr/sbin:/sbin" # cupsd and lpadmin live there

cmd=$1
dir=$2

case "$cmd" in
start)
    port=$3
    mkdir -p "$dir"/{bin/backend,cache,state,spool,tmp,log}
    chmod 755 "$dir"
    # Debian's scheduler package has no socket backend; this one writes the job to
    # the address of its device, as the usual one does.
    cat >"$dir/bin/backend/socket" <<'BACKEND'
#!/usr/bin/env bash
[ $# -eq 0 ] && { echo 'network socket "Unknown" "Soket"'; exit 0; }
adres=${DEVICE_URI#socket://}
exec 3<>"/dev/tcp/${adres%%:*}/${adres##*:}" || exit 1
cat "${6:-/dev/stdin}" >&3
BACKEND
    chmod 700 "$dir/bin/backend/socket"
    for d in filter daemon notifier cgi-bin monitor driver; do
        [ -e "/usr/lib/cups/$d" ] && ln -s "/usr/lib/cups/$d" "$dir/bin/$d"
    done
    cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
JobRetryLimit 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    user=""
    if [ "$(id -u)" -eq 0 ]; then user="User lp"; fi
    cat >"$dir/cups-files.conf" <<CONF
$user
ServerBin $dir/bin
CacheDir $dir/cache
StateDir $dir/state
RequestRoot $dir/spool
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
    # In the foreground of a process of its own, so its number is known to stop it.
    setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/cupsd.pid"
    for _ in $(seq 100); do [ -S "$dir/cups.sock" ] && break; sleep 0.1; done
    [ -S "$dir/cups.sock" ] || { cat "$dir/log/error_log" >&2; exit 1; }
    export CUPS_SERVER="$dir/cups.sock"
    lpadmin -p Barkod_Yazici -D "Barkod Yazıcı" -v "socket://127.0.0.1:$port" -E 2>/dev/null
    lpadmin -p Surucu_Yazici -D "Sürücü Yazıcı" -v "socket://127.0.0.1:$port" -E 2>/dev/null
    echo "CUPS_SERVER=$dir/cups.sock"
    echo "VARNEL_CUPS_PORT=$port"
    echo "VARNEL_CUPS_LOG=$dir/log/error_log"
    ;;
stop)
    # The scheduler writes its cache as it goes down: the folder goes once it is gone.
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir" || true
    ;;
esac
