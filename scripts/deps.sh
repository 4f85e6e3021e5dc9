#!/usr/bin/env bash
# Installs the Debian packages Quelmar needs to build and test, only those missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ clang pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev libcsv-dev libexpat1-dev python3-jsonschema
  qt6-base-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libclang-rt-14-dev
  xvfb xauth openbox dbus-daemon at-spi2-core python3-pyatspi
  libreoffice-calc-nogui
  poppler-utils
  help2man desktop-file-utils appstream dpkg-dev shared-mime-info xdg-utils libfile-mimeinfo-perl
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
