#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
# Idempotent: a machine that has everything is left alone and no root is needed.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev libxerces-c-dev tcl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libreadline-dev tmux valgrind pkg-config graphviz
          python3 python3-jsonschema)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing Debian packages: ${missing[*]}" >&2
  echo "setup: run this script as root, or install them with: apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
