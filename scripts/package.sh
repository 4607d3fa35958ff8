#!/usr/bin/env bash
# Builds the Debian package tarvolenka_<version>_<arch>.deb from a copy of the source tree
# (the files git knows of, as they are in the working tree) in a scratch folder, and leaves it
# in the folder named by the first argument, dist/ by default. Installs the missing build
# dependencies first (with sudo when not root), like setup.sh.
# Usage: scripts/package.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
out="${1:-dist}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_install() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@"
}

# The packaging tools themselves.
tools=(dpkg-dev debhelper)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
updated=""
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  updated=1
  apt_install "${missing[@]}"
fi

# A copy of the tree without build folders, save files or anything else git ignores.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
src="$scratch/tarvolenka"
mkdir "$src"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar -C "$root" --null -T - -cf - | tar -C "$src" -xf -
else
  tar -C "$root" --exclude='./build*' --exclude=./dist --exclude='./obj-*' \
    --exclude=./Tarvolenka.cfg -cf - . | tar -C "$src" -xf -
fi

# The build dependencies as debian/control lists them.
if ! (cd "$src" && dpkg-checkbuilddeps >/dev/null 2>&1); then
  [ -n "$updated" ] || $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends "$src"
fi

# No separate debug-symbol package unless asked for; all cores.
options="${DEB_BUILD_OPTIONS:-noddebs}"
case " $options " in *" parallel="*) ;; *) options="$options parallel=$(nproc)" ;; esac
version="$(cd "$src" && dpkg-parsechangelog -S Version)"
name="tarvolenka_${version}_$(dpkg-architecture -qDEB_HOST_ARCH)"
echo "Building $name.deb (the log goes to $out/$name.build)" >&2
if ! (cd "$src" && DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -us -uc -b) \
  >"$out/$name.build" 2>&1; then
  tail -n 60 "$out/$name.build" >&2
  echo "dpkg-buildpackage failed; the whole log is $out/$name.build" >&2
  exit 1
fi
cp "$scratch/$name.deb" "$out/"
echo "$out/$name.deb"
