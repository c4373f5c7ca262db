#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Uses sudo when not run as root; does nothing when all are present.
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang-format ccache python3
  qt6-base-dev qt6-svg-dev libgl-dev
  libpugixml-dev libsqlite3-dev libxlsxwriter-dev zlib1g-dev
  libgtest-dev libgmock-dev
  xvfb xauth poppler-utils unzip locales
  clang libclang-rt-14-dev
  lintian desktop-file-utils appstream libxml2-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
# A comma-decimal locale, so the tests can prove numbers never depend on it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi
