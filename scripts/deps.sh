#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs with apt-get whatever the build and the tests need and is missing. Qt's JPEG and
# ICO readers and its X11 and offscreen platforms come with libqt6gui6 (pulled in by qt6-base-dev).
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools
  libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev poppler-utils fonts-liberation xvfb xauth
  appstream desktop-file-utils python3-icalendar tzdata ccache
  openbox x11-utils wmctrl libxcb1-dev)
# The world's cities for the Place box; the accessibility bus and its reader for the AT-SPI test.
packages+=(libgeonames-dev at-spi2-core dbus-daemon python3-pyatspi)
# scripts/check: the fuzz build, its sanitizer runtime and the static checks.
packages+=(clang libclang-rt-14-dev clang-tidy)
# Translations: lupdate and lrelease (under /usr/lib/qt6/bin), and Qt's own for the standard dialogs.
packages+=(qt6-l10n-tools qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
