#!/usr/bin/env bash
# An installed copy whose bin directory it cannot write (a system-wide install
# run by an ordinary user) still starts: it writes its skin library to the
# per-user data directory and loads it from there.
#
# Root ignores file modes, so for root the directory is made read-only with a
# read-only bind mount in a private mount namespace; where that is not
# permitted the test is skipped (exit 77).
set -uo pipefail
cmake=$1
build=$2

tmp=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    sleep 0.5
    kill -KILL "$pid" 2>/dev/null
  fi
  chmod -R u+w "$tmp" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

DESTDIR=$tmp/root "$cmake" --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install" >&2; exit 1; }
bin=$tmp/root/usr/bin
home=$tmp/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
  XDG_RUNTIME_DIR=$home/runtime
export QT_QPA_PLATFORM=offscreen
expected=$XDG_DATA_HOME/Numvella/numvella/SkinH_EL.dll

if [ "$(id -u)" = 0 ]; then
  readonly_bind='mount --bind "$1" "$1" && mount -o remount,bind,ro "$1"'
  if ! unshare -m --propagation private sh -c "$readonly_bind"' && ! touch "$1/.probe" 2>/dev/null' sh "$bin" 2>/dev/null; then
    rm -f "$bin/.probe"
    echo "SKIP: running as root and no private mount namespace here (unshare -m); cannot make $bin unwritable"
    exit 77
  fi
  # unshare and sh exec in place: $! is the program itself.
  unshare -m --propagation private sh -c "$readonly_bind"' && exec "$1/numvella"' sh "$bin" \
    >"$tmp/out.log" 2>&1 &
else
  chmod a-w "$bin"
  "$bin/numvella" >"$tmp/out.log" 2>&1 &
fi
pid=$!

# The library must be written to the per-user directory and mapped from there.
loaded=no
for _ in $(seq 1 300); do  # up to 30 s; a sanitizer build starts slowly
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program ended during start-up; its output:" >&2
    cat "$tmp/out.log" >&2
    exit 1
  fi
  if [ -f "$expected" ] && grep -qF "$expected" "/proc/$pid/maps" 2>/dev/null; then
    loaded=yes
    break
  fi
  sleep 0.1
done
if [ "$loaded" != yes ]; then
  echo "FAIL: $expected was not written and loaded within 30 s; output:" >&2
  cat "$tmp/out.log" >&2
  ls -la "$bin" "$(dirname "$expected")" >&2 2>/dev/null
  exit 1
fi

# Still running a moment later: no failure message box, no exit.
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program ended after loading the library; its output:" >&2
  cat "$tmp/out.log" >&2
  exit 1
fi
if [ -e "$bin/SkinH_EL.dll" ]; then
  echo "FAIL: the library was written into the unwritable $bin" >&2
  exit 1
fi
echo "ok: installed copy started from read-only $bin with the library in $(dirname "$expected")"
