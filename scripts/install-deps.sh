#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build and run; with
# "--test", also those the tests need. Only missing packages are installed.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev libfontconfig-dev fonts-wine fonts-liberation)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(xvfb xauth xdotool x11-utils libxcb1-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "These packages are missing and this user can't install them (not root, no sudo): ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# A fresh machine may have no package lists yet; refresh them when the first try fails.
if ! "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
