#!/usr/bin/env bash
# Usage: bash .ci/apt.sh PACKAGE...
# Installs whichever of the named Debian packages this machine lacks
# (apt-get update first, once per checkout: a machine handed on from an
# earlier run may hold package lists too old to install from).
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0
export DEBIAN_FRONTEND=noninteractive
stamp="$(cd "$(dirname "$0")/.." && pwd)/build/.apt-updated"
mkdir -p "$(dirname "$stamp")"
if [ ! -e "$stamp" ]; then
  apt-get update
  touch "$stamp"
fi
apt-get install -y --no-install-recommends "${missing[@]}"
