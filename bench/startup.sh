#!/bin/sh
# Start-up of the desktop program against a bare Qt 6 QMainWindow of the
# same size, under Xvfb: time from starting the program to its first window
# being painted, and resident memory once it has sat idle. The two are
# started alternately, after one unmeasured start of each, and the medians
# and their ratios printed. A third start each round, the bare window with
# one line of text, shows what any window with text pays before anything
# of the program's own (the font configuration and a font).
#
#   bench/startup.sh [BUILD_DIR [RUNS [SETTLE_MS]]]
#
# BUILD_DIR is a build with NYRA_BUILD_BENCH=ON (default build-bench);
# RUNS starts of each (default 9); SETTLE_MS the idle time before memory is
# read (default 1500). Needs xvfb-run.
set -eu

build=${1:-build-bench}
runs=${2:-9}
settle=${3:-1500}

# A black root window: first_window takes the first non-black pixel of a
# freshly mapped window as its first paint.
if [ -z "${NYRA_STARTUP_UNDER_XVFB:-}" ]; then
    NYRA_STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s '-screen 0 1280x1024x24 -br' "$0" "$build" "$runs" "$settle"
fi

program="$build/src/nyra-moonsign"
bare="$build/bench/bare_window"
watch="$build/bench/first_window"
for f in "$program" "$bare" "$watch"; do
    [ -x "$f" ] || { echo "startup.sh: $f is missing; build with -DNYRA_BUILD_BENCH=ON" >&2; exit 2; }
done

# A private runtime folder, so the program's single-instance lock never
# meets another copy's.
runtime=$(mktemp -d)
results=$(mktemp)
trap 'rm -rf "$runtime" "$results"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"

field() { printf '%s\n' "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }

# The unmeasured start of the program also gives its window's size.
first=$("$watch" "$settle" "$program")
width=$(field "$first" width)
height=$(field "$first" height)
"$watch" "$settle" "$bare" "$width" "$height" >/dev/null
"$watch" "$settle" "$bare" "$width" "$height" --text >/dev/null

echo "window ${width}x${height}, $runs starts of each, memory read after ${settle} ms idle"
printf '%-14s %8s %9s %8s\n' start map_ms paint_ms rss_kb
i=1
while [ "$i" -le "$runs" ]; do
    for who in program bare text; do
        case "$who" in
        program) line=$("$watch" "$settle" "$program") ;;
        bare) line=$("$watch" "$settle" "$bare" "$width" "$height") ;;
        text) line=$("$watch" "$settle" "$bare" "$width" "$height" --text) ;;
        esac
        echo "$who $(field "$line" map_ms) $(field "$line" paint_ms) $(field "$line" rss_kb)" >>"$results"
        printf '%-14s %8s %9s %8s\n' "$who $i" "$(field "$line" map_ms)" "$(field "$line" paint_ms)" \
            "$(field "$line" rss_kb)"
    done
    i=$((i + 1))
done

median() { # who column
    awk -v who="$1" -v col="$2" '$1 == who { print $col }' "$results" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
paintProgram=$(median program 3)
paintBare=$(median bare 3)
rssProgram=$(median program 4)
rssBare=$(median bare 4)
paintText=$(median text 3)
rssText=$(median text 4)
echo "median nyra-moonsign:      first paint ${paintProgram} ms, ${rssProgram} kB resident"
echo "median bare window:        first paint ${paintBare} ms, ${rssBare} kB resident"
echo "median bare window + text: first paint ${paintText} ms, ${rssText} kB resident"
awk -v a="$paintProgram" -v b="$paintBare" -v c="$rssProgram" -v d="$rssBare" -v e="$paintText" -v f="$rssText" \
    'BEGIN {
        printf "ratio to the bare window: first shown %.2fx, resident memory %.2fx\n", a / b, c / d
        printf "(the bare window with one line of text: %.2fx, %.2fx)\n", e / b, f / d
    }'
