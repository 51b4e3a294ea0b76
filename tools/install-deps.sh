#!/usr/bin/env bash
# Installs the Debian packages listed in tools/packages/*.txt that are not installed yet.
# Idempotent and quiet when everything is present.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

mapfile -t wanted < <(sed 's/#.*//' "$here"/packages/*.txt | tr -s ' \t' '\n' | grep -v '^$' | sort -u)
missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
((${#missing[@]} == 0)) && exit 0

sudo=()
if [[ $(id -u) != 0 ]]; then sudo=(sudo); fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
