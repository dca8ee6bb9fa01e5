#!/bin/sh
# Installs what building, testing and running Tirtamaya need on Debian 12.
# Safe to run again: it only calls apt-get when a package is missing.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-packages.sh build-essential cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev \
    qt6-l10n-tools fontconfig fonts-dejavu-core fonts-liberation2 xvfb xauth
