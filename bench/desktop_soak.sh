#!/usr/bin/env bash
# The desktop program's slideshow on a virtual X display (Xvfb, 1920 x 1080), watched from
# outside: its resident memory, its CPU time (all threads) and what it holds in the X server (xrestop: pixmaps, windows, graphics contexts,
# pictures, bytes).
#
#   bench/desktop_soak.sh [MINUTES [SAMPLE_SECONDS]]   the soak: a picture every 2 seconds
#                                                      (interval 1 second) over pictures of mixed
#                                                      sizes; default 30 minutes, a sample a minute
#   bench/desktop_soak.sh --idle [SECONDS]             idle cost: interval 10 minutes, so after the
#                                                      first picture only the countdown runs; the
#                                                      CPU share over SECONDS (default 60)
#
# Needs the desktop build's packages (tools/install-packages --desktop) and xrestop.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

mode=soak
if [ "${1:-}" = "--idle" ]; then
  mode=idle
  shift
  seconds="${1:-60}"
else
  minutes="${1:-30}"
  every="${2:-60}"
fi
for tool in Xvfb xrestop convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xrestop imagemagick)"; exit 2; }
done

cmake --preset desktop >/dev/null
cmake --build --preset desktop -j"${VELVORA_JOBS:-2}" --target velvora >/dev/null

work="$(mktemp -d /tmp/velvora-soak-XXXXXX)"
xvfb=""
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp build/desktop/src/app/velvora "$work/velvora"
mkdir "$work/pictures"
echo "Making pictures in $work/pictures ..."
(
  cd "$work/pictures"
  convert -size 600x400 -seed 1 plasma:fractal -resize 6000x4000\! -attenuate 0.4 +noise Gaussian -quality 90 a-photo-24mp.jpg
  convert -size 400x300 -seed 2 plasma:fractal -resize 4000x3000\! -attenuate 0.4 +noise Gaussian -quality 90 b-photo-12mp.jpg
  convert -size 1920x1080 gradient:navy-orange c-screen.png
  convert -size 640x480 -seed 3 plasma:fractal -colors 64 d-small.gif
  convert -size 300x200 gradient:green-yellow e-tiny.bmp
  convert -size 5000x300 gradient:red-blue -quality 85 f-panorama.jpg
  convert -size 1200x900 xc:"rgb(230,150,40)" -colorspace CMYK g-cmyk.jpg
  convert -size 800x600 gradient:"rgba(0,128,128,1)-rgba(255,255,255,0.3)" -depth 16 png64:h-deep.png
  convert -size 1x3000 gradient:purple-pink i-strip.png
  convert -delay 50 -size 400x300 xc:pink xc:teal -loop 0 j-animated.gif
)
interval_text=1
interval_unit=Sec
[ "$mode" = idle ] && interval_text=10 && interval_unit=Min
{
  printf '%s\r\n%s\r\n %d \r\nFullWin\r\n' "$interval_text" "$interval_unit" "$(ls "$work/pictures" | wc -l)"
  for f in "$work"/pictures/*; do printf '%s\r\n' "$f"; done
} >"$work/Velvora.ini"

exec 3< <(Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=":$display"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$work/velvora" /s &
program=$!
sleep 3
kill -0 "$program" 2>/dev/null || { echo "the program did not start"; exit 1; }

# CPU time of a process, every thread it had included, in nanoseconds (kernel ticks, 10 ms).
ticks_per_second="$(getconf CLK_TCK)"
cpu_ns() {
  awk -v hz="$ticks_per_second" '{ sub(/^.*\) /, ""); printf "%.0f", ($12 + $13) * 1e9 / hz }' /proc/"$1"/stat
}
resident_kb() { awk '/^VmRSS:/ { print $2 }' /proc/"$1"/status; }
# The program's X resources (its client is the one named after it): pixmaps, pixmap KB,
# windows, GCs, pictures, total KB.
x_resources() {
  xrestop -b -m 1 2>/dev/null | awk '
    /^[0-9]+ - / { mine = index($0, "velvora") > 0 }
    mine && /pixmaps/ { p = $3 } mine && /pixmap bytes/ { pb = $4 } mine && /windows/ { w = $3 }
    mine && /GCs/ { g = $3 } mine && /pictures/ { pic = $3 } mine && /total bytes/ { t = $4; gsub("~", "", t) }
    END { printf "%s %d %s %s %s %d", p + 0, pb / 1024, w + 0, g + 0, pic + 0, t / 1024 }'
}

if [ "$mode" = idle ]; then
  sleep 20  # the start delay, the first change and its transition are over
  xvfb_pid="$(pgrep -n -x Xvfb -P $$ || echo "$xvfb")"
  before="$(cpu_ns "$program")"
  before_x="$(cpu_ns "$xvfb_pid")"
  sleep "$seconds"
  after="$(cpu_ns "$program")"
  after_x="$(cpu_ns "$xvfb_pid")"
  awk -v a="$before" -v b="$after" -v xa="$before_x" -v xb="$after_x" -v s="$seconds" 'BEGIN {
    printf "idle over %d s: the program used %.1f ms of CPU, %.3f %% of a core; the X server %.1f ms, %.3f %%\n",
           s, (b - a) / 1e6, (b - a) / (s * 1e7), (xb - xa) / 1e6, (xb - xa) / (s * 1e7) }'
  exit 0
fi

printf '%8s %10s %8s %8s %10s %8s %5s %9s %9s\n' minute "RSS MB" "CPU %" pixmaps "pixmap KB" windows GCs pictures "X KB"
last_cpu="$(cpu_ns "$program")"
start=$(date +%s)
for ((t = every; t <= minutes * 60; t += every)); do
  sleep $((start + t - $(date +%s)))
  kill -0 "$program" 2>/dev/null || { echo "the program ended"; exit 1; }
  cpu="$(cpu_ns "$program")"
  read -r pixmaps pixmap_kb windows gcs pictures total_kb <<<"$(x_resources)"
  awk -v m="$t" -v r="$(resident_kb "$program")" -v c="$((cpu - last_cpu))" -v e="$every" \
      -v p="$pixmaps" -v pk="$pixmap_kb" -v w="$windows" -v g="$gcs" -v pic="$pictures" -v tk="$total_kb" \
      'BEGIN { printf "%8.1f %10.1f %8.2f %8d %10d %8d %5d %9d %9d\n", m / 60, r / 1024, c / (e * 1e7), p, pk, w, g, pic, tk }'
  last_cpu="$cpu"
done
