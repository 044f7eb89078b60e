#!/bin/sh
# Installs the Debian 12 packages Harbex needs to build, run and test, skipping those already present.
# Uses sudo when not run as root.
set -e
PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libzip-dev zlib1g-dev unzip zip python3 googletest libgtest-dev libgmock-dev xvfb xdotool dbus-daemon desktop-file-utils appstream libglib2.0-bin"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq $missing
