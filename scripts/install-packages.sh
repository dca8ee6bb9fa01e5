#!/bin/sh
# Installs the Debian packages named as arguments that are not installed yet; does nothing (and
# needs no network) when all of them are there. Uses sudo only when not running as root.
#
#   sh scripts/install-packages.sh PACKAGE...
set -eu

missing=""
for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -n "$missing" ] || exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Memasang paket:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
