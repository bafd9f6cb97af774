#!/usr/bin/env bash
# Starts the real program under Xvfb, plays a few steps with xdotool and saves
# pictures of the three windows to docs/.  With SCALE=2 it takes the main
# window at a device pixel ratio of 2 as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for p in xdotool imagemagick x11-apps; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p" >/dev/null
done
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target numvella >/dev/null
mkdir -p docs

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

work=$(mktemp -d)
cp build/release/numvella "$work/"

# Crops a window's area out of a picture of the whole screen.
shoot() {  # window-id file
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}
wait_window() {  # name pattern; prints the id of the visible window
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  exit 1
}
# Clicks at a point of a window, in its own coordinates.
click() {  # window-id x y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.3
}

run() {  # scale suffix
  QT_SCALE_FACTOR=$1 "$work/numvella" &
  pid=$!
  s=$1
  intro=$(wait_window '^Numvella$')
  sleep 0.5
  [ "$s" = 1 ] && shoot "$intro" docs/intro-page1.png
  click "$intro" $((288 * s)) $((332 * s))
  sleep 0.3
  [ "$s" = 1 ] && shoot "$intro" docs/intro-page2.png
  click "$intro" $((288 * s)) $((332 * s))
  main=$(wait_window 'Verdelin')
  sleep 0.5
  click "$main" $((392 * s)) $((152 * s))   # 开始
  click "$main" $((320 * s)) $((152 * s))   # 给个题目
  sleep 1.5
  shoot "$main" "docs/main$2.png"
  if [ "$s" = 1 ]; then
    click "$main" $((100 * s)) $((152 * s))
    xdotool type --delay 50 '(1+2+9)*2'
    click "$main" $((248 * s)) $((152 * s))  # 检验计算
    result=$(wait_window '^Numvella$')
    sleep 0.5
    shoot "$result" docs/result.png
    xdotool key Escape
    sleep 0.5
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

run 1 ""
[ "${SCALE:-1}" = 2 ] && run 2 "@2x"
rm -rf "$work"
ls -l docs/*.png
