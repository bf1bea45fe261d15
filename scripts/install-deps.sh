#!/usr/bin/env bash
# Installs the Debian packages Varnel needs to build, test and run; only the missing ones.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc
    libzint-dev
    unixodbc-dev tdsodbc libsqlite3-dev sqlite3
    postgresql
    fonts-liberation2 fonts-dejavu-core fonts-wine
    poppler-utils zbar-tools
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Kuruluyor: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=120 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=120 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
