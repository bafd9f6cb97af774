#!/usr/bin/env bash
# Plays one round through the accessibility bus, as a screen reader would.
# Usage: run.sh PROGRAM.  Starts its own X display and session bus.
set -euo pipefail
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")

if [ -z "${INSIDE_SESSION:-}" ]; then
  export INSIDE_SESSION=1
  exec timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  kill "$launcher" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for _ in $(seq 100); do
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done

# A copy of its own, so the skin library is written into a fresh directory.
cp "$program" "$work/numvella"
unset QT_QPA_PLATFORM
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$work/numvella" &
app=$!
/usr/bin/python3 "$here/play.py" "$app"
