#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test Velmora. Idempotent: quiet and
# quick when everything is already there.
set -euo pipefail

native=(cmake make g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-tidy)
# The fuzz preset: clang with libFuzzer and the sanitizers' runtimes.
fuzz=(clang libclang-rt-14-dev)
cross=(g++-mingw-w64-i686 mingw-w64-tools wine wine32:i386)
extra=(xvfb xauth fonts-ipafont-gothic python3)

want=("${native[@]}" "${fuzz[@]}")
if [[ "${VELMORA_NATIVE_ONLY:-0}" != 1 ]]; then
  want+=("${cross[@]}" "${extra[@]}")
fi

missing=()
for pkg in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$pkg")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -q i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
