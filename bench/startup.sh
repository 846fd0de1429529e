#!/usr/bin/env bash
# Start-up benchmark, run by hand: how long Vanu Logo Manager takes from the start
# of its process to its main window being mapped, and how much resident memory it
# holds at idle, each against a bare Qt Widgets window. See bench/README.md.
#
#   bench/startup.sh [-n RUNS]     RUNS of each program after one warm-up each (default 10)
set -euo pipefail
export LC_ALL=C # EPOCHREALTIME and awk must use a decimal point

runs=10
while getopts "n:h" option; do
    case $option in
    n) runs=$OPTARG ;;
    *)
        sed -n '2,6s/^# \{0,1\}//p' "$0"
        exit 2
        ;;
    esac
done
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "-n takes a positive number" >&2; exit 2; }

bench=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$bench")
build=$root/build-bench
jobs=${JOBS:-2}

startup_target=1.3
memory_target=1.5
program_title="Vanu Logo Manager"
bare_title="Bare Qt"

# ---------------------------------------------------------------- packages and build

# The program's packages and the X tools the tests use (Xvfb, xev, xwininfo).
"$root/scripts/install-deps.sh" --test

echo "Building (Release) in $build ..."
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$jobs" --target vanu-logo-manager >/dev/null
cmake -S "$bench/bare" -B "$build/bare" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/bare" -j"$jobs" >/dev/null

# ---------------------------------------------------------------- private X server and watcher

work=$(mktemp -d /tmp/vlm-bench.XXXXXX)
xvfb_pid=""
watcher_pid=""
app_pid=""
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
    [[ -n $watcher_pid ]] && kill -- "-$watcher_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself, so no other server (or benchmark) is disturbed.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=:$(tr -dc 0-9 <"$work/display")

# xev reports every window mapped on the root; each line gets the wall-clock time
# at which it arrived (xev flushes after each event). The watcher runs in its own
# process group, so that it and xev can be ended together.
mkfifo "$work/events"
exec {events}<>"$work/events"
set -m
(
    (DISPLAY=$display exec xev -root -event substructure) |
        while IFS= read -r line; do printf '%s %s\n' "${EPOCHREALTIME/./}" "$line"; done >"$work/events"
) &
watcher_pid=$!
set +m
sleep 0.5 # xev selects its events before the first program starts

# ---------------------------------------------------------------- one run

# The programs get the same clean environment: a private display, and a home of
# their own under the work folder, so that nothing under the real home is read or
# written (the program creates its drive map there on the warm-up). The session
# bus address names a socket that does not exist: without any address, libdbus
# forks to autolaunch a bus (dbus-launch) on every start, which costs 5 to 15 ms
# and measures the machine, not the program.
make_home() {
    local home=$work/home-$1
    mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/runtime"
    chmod 700 "$home/runtime"
}
make_home program
make_home bare

# run NAME DIR TITLE EXECUTABLE [ARGUMENTS...]: one start; sets startup_us, rss_kb,
# rss_detail, cpu_ns and window_size, or returns 1.
run() {
    local name=$1 dir=$2 title=$3
    shift 3
    local home=$work/home-$name line
    # Events left over from the previous run's end.
    while read -r -t 0.05 -u "$events" line; do :; done

    local t0=${EPOCHREALTIME/./}
    (
        cd "$dir"
        unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE SESSION_MANAGER
        export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
        export DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
            XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime
        exec "$@"
    ) >>"$work/$name.log" 2>&1 &
    app_pid=$!

    # Collect the windows mapped by this start until none has been mapped for one
    # second, then look among them for the main window: the one with the title
    # that is viewable and larger than 1x1 (the splash is gone by then, and Qt's
    # group leader window, with the same title and 1x1, is never mapped). Until
    # it is found, wait for further windows. No process is started while the
    # program itself starts; xwininfo runs only once it is idle.
    local -a mapped_ids=() mapped_at=()
    local header_at="" last_map=$t0 checked=0 now remaining timeout i info width height
    local deadline=$((t0 + 30000000))
    startup_us="" window_size=""
    while :; do
        now=${EPOCHREALTIME/./}
        if ((${#mapped_ids[@]} > checked)); then
            remaining=$((last_map + 1000000 - now))
        else
            remaining=$((deadline - now))
        fi
        if ((remaining <= 0)); then
            ((${#mapped_ids[@]} > checked)) || break # no window in 30 s
            for ((i = checked; i < ${#mapped_ids[@]}; i++)); do
                info=$(DISPLAY=$display xwininfo -id "${mapped_ids[$i]}" 2>/dev/null) || continue
                [[ $info == *"Window id: ${mapped_ids[$i]} \"$title\""* && $info == *"Map State: IsViewable"* ]] ||
                    continue
                [[ $info =~ Width:\ ([0-9]+) ]] && width=${BASH_REMATCH[1]}
                [[ $info =~ Height:\ ([0-9]+) ]] && height=${BASH_REMATCH[1]}
                ((width > 1 && height > 1)) || continue
                startup_us=$((mapped_at[i] - t0))
                window_size=${width}x$height
                break
            done
            checked=${#mapped_ids[@]}
            [[ -z $startup_us ]] || break
            continue
        fi
        printf -v timeout '%d.%06d' $((remaining / 1000000)) $((remaining % 1000000))
        read -r -t "$timeout" -u "$events" line || continue
        if [[ $line =~ ^([0-9]+)\ MapNotify\ event,.*synthetic\ NO ]]; then
            header_at=${BASH_REMATCH[1]}
        elif [[ -n $header_at && $line =~ window\ (0x[0-9a-f]+),\ override ]]; then
            mapped_ids+=("${BASH_REMATCH[1]}")
            mapped_at+=("$header_at")
            last_map=$header_at
            header_at=""
        fi
    done

    rss_kb="" rss_detail="" cpu_ns=0
    local key value task on_cpu
    if [[ -n $startup_us && -r /proc/$app_pid/status ]]; then
        while read -r key value _; do
            case $key in
            VmRSS:) rss_kb=$value ;;
            RssAnon: | RssFile: | RssShmem:) rss_detail+="${key%:}=$value " ;;
            esac
        done <"/proc/$app_pid/status"
        # CPU time of all its threads so far, in ns: what the start cost the
        # machine, whatever else ran beside it.
        for task in /proc/"$app_pid"/task/*/schedstat; do
            read -r on_cpu _ <"$task" && cpu_ns=$((cpu_ns + on_cpu))
        done
    fi

    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    [[ -n $startup_us && -n $rss_kb ]] || {
        echo "  $name: no main window titled \"$title\" was mapped within 30 s, or it ended. Its output:" >&2
        tail -n 20 "$work/$name.log" | sed 's/^/    /' >&2
        return 1
    }
}

results=$build/startup-runs.tsv
printf 'program\trun\tstartup_ms\trss_kb\tcpu_ms\tdetail_kb\n' >"$results"
record() { # NAME RUN
    local row
    row=$(awk -v name="$1" -v n="$2" -v u="$startup_us" -v k="$rss_kb" -v c="$cpu_ns" -v d="${rss_detail% }" \
        'BEGIN { printf "%s\t%s\t%.3f\t%d\t%.3f\t%s", name, n, u / 1000, k, c / 1e6, d }')
    printf '%s\n' "$row" >>"$results"
    awk -F'\t' '{ printf "  %-8s %-7s start-up %7.1f ms   VmRSS %6.1f MiB   CPU %6.1f ms   (%s)\n", $1, $2, $3, $4 / 1024, $5, $6 }' <<<"$row"
}

program() { run program "$build" "$program_title" "$build/vanu-logo-manager"; }
bare() { run bare "$build/bare" "$bare_title" "$build/bare/bare-qt" "$bare_size"; }

# ---------------------------------------------------------------- the runs

echo "Display $display; $runs runs of each program after one warm-up each."
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) CPUs"
# The warm-up of the program also tells the size of its main window; the bare
# window gets the same size, so that both draw into backing stores of one size.
program || exit 1
bare_size=$window_size
record program warm-up
bare || exit 1
record bare warm-up
echo "  (the bare window is sized like the program's main window: $bare_size)"

# Alternating in the order ABBA, so that a drift of the machine's load over the
# runs weighs on both alike.
for ((n = 1; n <= runs; n++)); do
    if ((n % 2)); then order=(program bare); else order=(bare program); fi
    for name in "${order[@]}"; do
        "$name" || exit 1
        record "$name" "$n"
    done
done

# ---------------------------------------------------------------- summary

echo "Load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
awk -F'\t' -v st="$startup_target" -v mt="$memory_target" '
    function median(list, count,    sorted, i, j, t) {
        for (i = 1; i <= count; i++) sorted[i] = list[i]
        for (i = 2; i <= count; i++)
            for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) { t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t }
        lo = sorted[1]; hi = sorted[count]
        return count % 2 ? sorted[(count + 1) / 2] : (sorted[count / 2] + sorted[count / 2 + 1]) / 2
    }
    NR > 1 && $2 != "warm-up" { k = ++n[$1]; s[$1, k] = $3; m[$1, k] = $4 / 1024; c[$1, k] = $5 }
    END {
        for (p in n) {
            for (i = 1; i <= n[p]; i++) { a[i] = s[p, i]; b[i] = m[p, i]; d[i] = c[p, i] }
            sm[p] = median(a, n[p]); slo[p] = lo; shi[p] = hi
            mm[p] = median(b, n[p]); mlo[p] = lo; mhi[p] = hi
            cm[p] = median(d, n[p]); clo[p] = lo; chi[p] = hi
        }
        printf "\nMedians of %d runs, (min - max):\n", n["program"]
        printf "%-19s %24s %26s %24s\n", "", "start-up to map", "VmRSS at idle", "CPU time"
        split("program bare", order, " ")
        for (k = 1; k <= 2; k++) {
            p = order[k]
            printf "%-19s %6.1f ms (%5.1f - %5.1f) %6.1f MiB (%5.1f - %5.1f) %6.1f ms (%5.1f - %5.1f)\n", \
                p == "program" ? "vanu-logo-manager" : "bare Qt window", \
                sm[p], slo[p], shi[p], mm[p], mlo[p], mhi[p], cm[p], clo[p], chi[p]
        }
        rs = sm["program"] / sm["bare"]; rm = mm["program"] / mm["bare"]
        printf "\nvanu-logo-manager / bare Qt window, medians:\n"
        printf "  start-up  %.2f   target at most %.1f   %s\n", rs, st, rs <= st ? "met" : "MISSED"
        printf "  memory    %.2f   target at most %.1f   %s\n", rm, mt, rm <= mt ? "met" : "MISSED"
        printf "  (CPU time %.2f, for comparison)\n", cm["program"] / cm["bare"]
    }' "$results"
for name in program bare; do
    if [[ -s $work/$name.log ]]; then
        echo
        echo "Output of the $name (all runs, each line once):"
        sort -u "$work/$name.log" | head -20 | sed 's/^/  /'
    fi
done
echo
echo "Each run: $results"
