#!/bin/sh
# Installs what building, testing and running Tirtamaya need on Debian 12.
# Safe to run again: it only calls apt-get when a package is missing.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev \
fontconfig fonts-dejavu-core fonts-liberation2 xvfb xauth"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then
        SUDO="sudo"
    fi
    echo "Memasang paket:$missing"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
