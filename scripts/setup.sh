#!/bin/sh
# Installs what building and testing Nimbrel needs on Debian 12, and nothing
# when it is all there already. Safe to run again; runs as root or via sudo.
set -eu

packages="cmake make g++ git python3 googletest libgtest-dev
clang-14 libclang-rt-14-dev clang-tidy-14 clang-format-14 cppcheck
g++-mingw-w64-i686 binutils-mingw-w64-i686
wine wine64 wine32:i386 tmux icoutils"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed'; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    echo "setup: everything needed is installed"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

echo "setup: installing:$missing"
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
    *" i386 "*) ;;
    *) $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
echo "setup: done"
