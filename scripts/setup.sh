#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the screenshots need, and the
# pl_PL.UTF-8 locale the tests use to prove numbers ignore the process locale.
# Idempotent: does nothing when everything is present.
set -euo pipefail

packages=(
  cmake make pkg-config g++ clang-format clang clang-tidy libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-tools-dev
  libxlsxwriter-dev liborcus-dev libixion-dev libboost-dev zlib1g-dev
  libcli11-dev nlohmann-json3-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth x11-apps xdotool imagemagick poppler-utils locales
  dpkg-dev desktop-file-utils appstream lintian
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
  echo "Generating the pl_PL.UTF-8 locale"
  $sudo sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pl_PL.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
