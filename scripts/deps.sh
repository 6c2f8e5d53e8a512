#!/usr/bin/env bash
# Installs the Debian packages the build, the program, the tests and the checks need
# (clang with its sanitizer and libFuzzer runtimes, clang-tidy, clang-format).
# As root: installs what is missing with apt-get. Otherwise: prints the one line to run and fails.
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config libgtest-dev libbenchmark-dev libcpp-httplib-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-multimedia-dev qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core fonts-liberation
  xvfb xauth imagemagick poppler-utils
  clang libclang-rt-14-dev llvm clang-tidy clang-format)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing build dependencies. Run as root:" >&2
  echo "  $line" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends ${missing[*]}
