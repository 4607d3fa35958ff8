#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet, with sudo when
# not root. The set-up, the package check and their like share it. Quiet: one line before and
# one after, and apt's whole output only when it fails.
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0
echo "Installing the Debian packages it needs: ${missing[*]} ..."
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
  sudo -v  # the password, if one is asked, before the quiet part
fi
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! { $sudo apt-get update -qq &&
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "install-missing: the packages could not be installed" >&2
  exit 1
fi
echo "Installed."
