#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Spln.
# (Qt Charts needs the OpenGL module's development files, which its package does not pull in.)
set -euo pipefail
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
as_root apt-get update
DEBIAN_FRONTEND=noninteractive as_root apt-get install -y --no-install-recommends \
  g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev \
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev \
  fonts-liberation2 fontconfig xvfb xauth \
  help2man desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db groff lintian dpkg-dev \
  clang libclang-rt-14-dev
