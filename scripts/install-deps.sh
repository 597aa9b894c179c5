#!/bin/sh
# Installs the Debian 12 packages the program needs to build, run, be tested and packaged.
set -e
packages="g++ cmake make pkg-config qt6-base-dev firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-server
  firebird3.0-utils fonts-liberation libbenchmark-dev poppler-utils xauth xvfb
  libquazip1-qt6-dev libgsf-1-dev qtkeychain-qt6-dev qt6-l10n-tools libqpdf-dev
  python3-xlwt python3-openpyxl python3-xlsxwriter python3-odf clang libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y --no-install-recommends $missing || {
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends $missing
}
