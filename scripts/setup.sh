#!/usr/bin/env bash
# Installs every Debian package Quorvel needs to build, test and run.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang clang-14 libclang-rt-14-dev lld
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-image-formats-plugins
  libqt6opengl6-dev libgl-dev
  libcurl4-openssl-dev libcpp-httplib-dev libssl-dev libcrypt-dev
  libpugixml-dev libxml2-dev
  nginx-light microsocks dante-server tinyproxy curl
  xvfb xauth x11-utils fonts-wqy-microhei
  imagemagick iproute2 procps desktop-file-utils
)

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
else
  sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
# Services some packages start on install are not wanted; tests start their own.
for svc in nginx danted tinyproxy; do
  "${sudo_cmd[@]}" service "$svc" stop >/dev/null 2>&1 || true
done
echo "setup: done"
