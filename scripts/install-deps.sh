#!/usr/bin/env bash
# Installs the Debian packages Varnel needs to build, test and run; only the missing ones.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc
    qt6-translations-l10n
    libzint-dev
    unixodbc-dev odbcinst tdsodbc libsqlite3-dev sqlite3
    postgresql libpq-dev
    fonts-liberation2 fonts-dejavu-core fonts-wine
    poppler-utils zbar-tools dmtx-utils
    libcups2-dev cups-daemon cups-client
    dpkg-dev file lintian desktop-file-utils appstream
)

# The SQL Server road names the ODBC driver "FreeTDS"; tdsodbc registers it unless
# its installer was told not to.
register_freetds() {
    if ! odbcinst -q -d -n FreeTDS >/dev/null 2>&1 && [ -f /usr/share/tdsodbc/odbcinst.ini ]; then
        $sudo odbcinst -i -d -f /usr/share/tdsodbc/odbcinst.ini >/dev/null
    fi
}

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# Node and npm for the independent ZPL renderer of the tests: Debian's packages,
# unless the machine has them already from elsewhere (NodeSource ships both in one).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    register_freetds
    exit 0
fi
echo "Kuruluyor: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=120 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=120 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
register_freetds
