#!/usr/bin/env bash
# Start-up cost of the game next to a minimal Qt Widgets program, both release
# builds on the same X server (Xvfb, no window manager):
#   - time from exec until the first window is mapped (the game: the intro
#     window "Numvella"; the yardstick: its only window "minimal"),
#   - resident memory (VmRSS) once that window is up and settled;
# the game both in a fresh directory (it writes its skin library first) and
# again with the library already there.  Then, unless --no-cpu, the CPU time
# the game uses in 60 s with the countdown running.
#
# Usage: bench/startup.sh [--runs N] [--no-cpu]
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

runs=7
cpu=yes
inside=no
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --no-cpu) cpu=no; shift ;;
    --inside-x) inside=yes; shift ;;  # internal: already under Xvfb
    -h|--help) sed -n '2,12p' "$self"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
done

if [ "$inside" = no ]; then
  scripts/setup.sh
  for tool in xvfb-run xdotool python3; do
    command -v "$tool" >/dev/null || { echo "bench/startup.sh needs $tool" >&2; exit 1; }
  done
  cmake -S . -B build/bench-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/bench-release --target numvella
  cmake -S bench/minimal -B build/bench-minimal -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/bench-minimal
  args=(--runs "$runs")
  [ "$cpu" = yes ] || args+=(--no-cpu)
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$self" --inside-x "${args[@]}"
fi

# ---------------------------------------------------------------------------
# Under Xvfb from here on.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
ours_build=$PWD/build/bench-release/numvella
minimal_build=$PWD/build/bench-minimal/minimal

work=$(mktemp -d)
running=()
cleanup() {
  for p in "${running[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
# Keep the per-user locations of both programs out of the real home.
mkdir -p "$work/home/runtime"
chmod 700 "$work/home/runtime"
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config \
  XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/home/runtime

# Waits for the first top-level window whose title matches a pattern to be
# mapped, without polling: it listens for MapNotify on the root window.
# Prints "ready" once listening, then "<microseconds since the epoch> <window id>".
cat >"$work/watch.py" <<'EOF'
import ctypes, re, select, sys, time

x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XPending.argtypes = [ctypes.c_void_p]
x.XConnectionNumber.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
    ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_void_p)]
x.XFree.argtypes = [ctypes.c_void_p]

pattern = re.compile(sys.argv[1])
timeout = float(sys.argv[2])
d = x.XOpenDisplay(None)
if not d:
    sys.exit("watch: cannot open the display")
root = x.XDefaultRootWindow(d)
net_wm_name = x.XInternAtom(d, b"_NET_WM_NAME", 0)
wm_name = 39  # XA_WM_NAME

def title(window):
    for atom in (net_wm_name, wm_name):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        n, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if x.XGetWindowProperty(d, window, atom, 0, 1024, 0, 0, ctypes.byref(kind), ctypes.byref(fmt),
                                ctypes.byref(n), ctypes.byref(after), ctypes.byref(data)) == 0 and data:
            text = ctypes.string_at(data, n.value).decode("utf-8", "replace")
            x.XFree(data)
            if text:
                return text
    return ""

x.XSelectInput(d, root, 1 << 19)  # SubstructureNotifyMask
x.XSync(d, 0)
print("ready", flush=True)
event = (ctypes.c_long * 24)()
deadline = time.monotonic() + timeout
fd = x.XConnectionNumber(d)
while True:
    while x.XPending(d) == 0:
        left = deadline - time.monotonic()
        if left <= 0:
            sys.exit("watch: no window matching %r was mapped within %g s" % (sys.argv[1], timeout))
        select.select([fd], [], [], left)
    x.XNextEvent(d, event)
    if event[0] & 0xFFFFFFFF == 19:  # MapNotify; XMapEvent.window is the sixth long
        now = time.time_ns() // 1000
        window = event[5] & 0xFFFFFFFFFFFFFFFF
        if pattern.search(title(window)):
            print(now, window, flush=True)
            break
EOF

micros() { local t=$EPOCHREALTIME; echo "${t/[.,]/}"; }

# measure <label> <executable> <title pattern> <run directory>
# Appends "<label> <milliseconds to window> <VmRSS kB>" to $work/samples.
measure() {
  local label=$1 exe=$2 pattern=$3 dir=$4
  local out=$work/watch.out
  : >"$out"
  python3 "$work/watch.py" "$pattern" 20 >"$out" &
  local watcher=$!
  until grep -q '^ready' "$out"; do
    kill -0 "$watcher" 2>/dev/null || { echo "the window watcher did not start" >&2; return 1; }
    sleep 0.01
  done
  # The start time is taken in the child right before it becomes the program.
  (cd "$dir" && micros >"$work/t0" && exec "$exe") >"$work/$label.log" 2>&1 &
  local pid=$!
  running+=("$pid")
  if ! wait "$watcher"; then
    echo "$label: no window; program output:" >&2
    cat "$work/$label.log" >&2
    return 1
  fi
  local t0 t1 _
  t0=$(cat "$work/t0")
  read -r t1 _ < <(tail -n 1 "$out")
  sleep 0.5  # let the first paint and any deferred start-up work finish
  local rss
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  printf '%s %s %s\n' "$label" "$(( (t1 - t0) / 1000 )).$(( (t1 - t0) % 1000 / 100 ))" "$rss" >>"$work/samples"
}

: >"$work/samples"
fresh_dir() {
  local dir
  dir=$(mktemp -d "$work/run.XXXX")
  cp "$ours_build" "$dir/numvella"
  echo "$dir"
}

echo "Warming the page cache (not counted)..."
measure warmup-minimal "$minimal_build" '^minimal$' "$work"
dir=$(fresh_dir)
measure warmup-ours "$dir/numvella" '^Numvella$' "$dir"
: >"$work/samples"

echo "Measuring $runs runs of each, interleaved..."
for i in $(seq 1 "$runs"); do
  measure minimal "$minimal_build" '^minimal$' "$work"
  dir=$(fresh_dir)
  measure ours-fresh "$dir/numvella" '^Numvella$' "$dir"
  [ -f "$dir/SkinH_EL.dll" ] || { echo "the skin library was not written to $dir" >&2; exit 1; }
  measure ours-present "$dir/numvella" '^Numvella$' "$dir"
  printf '  run %d: %s\n' "$i" "$(tail -n 3 "$work/samples" | awk '{ printf "%s %s ms %s kB   ", $1, $2, $3 }')"
done

# ---------------------------------------------------------------------------
cpu_line=""
if [ "$cpu" = yes ]; then
  echo "CPU with the countdown running: 60 s..."
  dir=$(fresh_dir)
  out=$work/watch.out
  : >"$out"
  python3 "$work/watch.py" '^Numvella$' 20 >"$out" &
  watcher=$!
  until grep -q '^ready' "$out"; do sleep 0.01; done
  (cd "$dir" && exec ./numvella) >"$work/cpu.log" 2>&1 &
  pid=$!
  running+=("$pid")
  wait "$watcher" || { cat "$work/cpu.log" >&2; exit 1; }
  read -r _ intro < <(tail -n 1 "$out")
  sleep 0.3
  # Two clicks on the intro's button: rules page, then on to the main window.
  xdotool mousemove --sync --window "$intro" 288 332 click 1
  sleep 0.3
  xdotool mousemove --sync --window "$intro" 288 332 click 1
  main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Verdelin' | head -n 1)
  [ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
  sleep 0.3
  xdotool mousemove --sync --window "$main" 392 152 click 1  # 开始
  sleep 1.5
  # The countdown display must be changing, or the figure means nothing.
  if command -v import >/dev/null; then
    import -window "$main" "$work/a.png"
    sleep 1.2
    import -window "$main" "$work/b.png"
    if cmp -s "$work/a.png" "$work/b.png"; then
      echo "the main window did not change over a second: is the countdown running?" >&2
      exit 1
    fi
  fi
  ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"; }  # utime + stime
  hz=$(getconf CLK_TCK)
  before=$(ticks)
  start=$(micros)
  sleep 60
  after=$(ticks)
  end=$(micros)
  kill -0 "$pid" 2>/dev/null || { echo "the program ended during the CPU measurement" >&2; exit 1; }
  cpu_pct=$(awk -v t=$((after - before)) -v hz="$hz" -v us=$((end - start)) \
    'BEGIN { printf "%.3f", 100 * (t / hz) / (us / 1e6) }')
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  cpu_line=$(printf '%s %s %s' "$cpu_pct" "$((after - before))" "$hz")
fi

# ---------------------------------------------------------------------------
median() {  # label column
  awk -v l="$1" -v c="$2" '$1 == l { print $c }' "$work/samples" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t ? "met" : "NOT MET") }'; }

min_t=$(median minimal 2); min_m=$(median minimal 3)
echo
echo "Start-up, median of $runs runs (Xvfb, no window manager, $(nproc) cores)"
printf '%-34s %14s %8s %12s %8s\n' "program" "to window" "ratio" "VmRSS" "ratio"
printf '%-34s %11s ms %8s %9s kB %8s\n' "minimal Qt Widgets window" "$min_t" "1.00" "$min_m" "1.00"
for kind in ours-fresh ours-present; do
  t=$(median "$kind" 2); m=$(median "$kind" 3)
  case $kind in
    ours-fresh) name="numvella, writes its library" ;;
    ours-present) name="numvella, library already there" ;;
  esac
  rt=$(ratio "$t" "$min_t"); rm=$(ratio "$m" "$min_m")
  printf '%-34s %11s ms %7s× %9s kB %7s×\n' "$name" "$t" "$rt" "$m" "$rm"
  results+=("$name: time $(verdict "$rt" 1.5), memory $(verdict "$rm" 1.5)")
done
echo
echo "Targets: time within 1.5×, memory within 1.5× of the minimal program"
printf '  %s\n' "${results[@]}"
if [ -n "$cpu_line" ]; then
  read -r pct t hz <<<"$cpu_line"
  echo "CPU with the countdown running: $pct % of one core over 60 s ($t ticks at $hz Hz); target under 1%: $(awk -v p="$pct" 'BEGIN { print (p < 1 ? "met" : "NOT MET") }')"
else
  echo "CPU with the countdown running: not measured (--no-cpu)"
fi
