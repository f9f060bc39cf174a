#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libcurl4-openssl-dev libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core tzdata
  xvfb xauth xdotool x11-utils imagemagick weston
  openbox
  at-spi2-core python3-pyatspi dbus
  python3-pyftpdlib
  desktop-file-utils appstream lintian dpkg-dev
  proftpd-core proftpd-mod-crypto curl openssl systemd
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

# Debian's ProFTPD package starts its own server on port 21 for every system
# user; the tests start theirs from the championship server's rules. Where
# systemd runs, stop and disable the stock one this install just brought.
if [[ " ${missing[*]} " == *" proftpd-core "* ]] && [ -d /run/systemd/system ]; then
  $sudo systemctl disable --now proftpd.service || true
fi
