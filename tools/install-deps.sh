#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine. Does nothing
# when everything is already present, so it is cheap to run before every build.
#   tools/install-deps.sh        what the build and the tests need
#   tools/install-deps.sh fuzz   that, and clang with its libFuzzer runtime
set -euo pipefail
want_fuzz=0
[ "${1:-}" = fuzz ] && want_fuzz=1

font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
need_install=0
for tool in x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-win32 \
            x86_64-w64-mingw32-windres cmake g++ python3 clang-format Xvfb xauth; do
  command -v "$tool" >/dev/null 2>&1 || need_install=1
done
[ -x /usr/lib/wine/wine64 ] || need_install=1
[ -f /usr/src/googletest/CMakeLists.txt ] || need_install=1
[ -f "$font" ] || need_install=1
command -v locale-gen >/dev/null 2>&1 || need_install=1
fuzz_packages=""
if [ "$want_fuzz" -eq 1 ]; then
  if ! command -v clang++ >/dev/null 2>&1 ||
     ! compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null; then
    fuzz_packages="clang libclang-rt-14-dev"
    need_install=1
  fi
fi

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ "$need_install" -eq 1 ]; then
  echo "install-deps: installing packages"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    g++ make cmake googletest python3 clang-format \
    g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 \
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 \
    wine64 xvfb xauth locales fonts-wqy-microhei $fuzz_packages >/dev/null
fi

# Every locale the test worlds name (tests/worlds): zh_CN.UTF-8 gives Wine the
# code pages 936/936 of the shipped texts, en_US.UTF-8 the 1252/437 pair of a
# Western system, ru_RU.UTF-8 1251/866 and Russian formats.
worlds=$(dirname "$0")/../tests/worlds
for loc in $(awk '/^[a-z]/ { print $2; print $3 }' "$worlds" | sort -u); do
  name=${loc%.UTF-8}
  if ! locale -a 2>/dev/null | grep -qi "^$name\.utf8\$"; then
    echo "install-deps: generating $loc"
    as_root sed -i "s/^# *\($loc UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc UTF-8" /etc/locale.gen || echo "$loc UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
done
