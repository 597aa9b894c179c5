#!/bin/sh
# Installs what is missing, builds, and makes the Debian package build/pravent_<version>_amd64.deb.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
cpack -G DEB
ls "$PWD"/pravent_*_amd64.deb
