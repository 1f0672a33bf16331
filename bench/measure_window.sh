#!/bin/bash
# Runs the real game in a virtual X display, first on the title screen and
# then, after Enter, on the playing screen (nobody plays, so an early enemy
# may end the game: the game-over screen costs the same), and prints for each
# the process's CPU use (utime + stime) and the frames per second it holds,
# over ten seconds. The preloaded fps_probe splits the CPU between the main
# thread, the part of it spent in SDL_Flip, and the software renderer's
# threads (llvmpipe), which finish presenting the frame after SDL_Flip has
# returned. Run by hand, from anywhere:
#
#     bench/measure_window.sh [build folder]     (default: build)
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
probe="$build/bench/fps_probe.so"
display="${ROCKJAW_XVFB_DISPLAY:-:77}"
seconds=10
for needed in "$build/game/rockjaw" "$probe"; do
    [ -e "$needed" ] || { echo "measure_window: $needed is missing; build first" >&2; exit 1; }
done

scratch="$(mktemp -d /tmp/rockjaw-window-XXXXXX)"
xvfb=""
game=""
window=""
game_ended() {
    for _ in $(seq 30); do
        kill -0 "$game" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
# The game goes first, asked as a player would ask it: without its X server it
# would not get to quit.
finish() {
    set +e
    if [ -n "$game" ]; then
        [ -n "$window" ] && DISPLAY="$display" xdotool windowfocus "$window" key Escape 2>/dev/null
        game_ended || { kill "$game"; game_ended; } || kill -9 "$game"
    fi
    [ -n "$xvfb" ] && kill "$xvfb"
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    kill -0 "$xvfb" 2>/dev/null || { echo "measure_window: Xvfb could not take $display" >&2; exit 1; }
    sleep 0.1
done

# A copy of the game folder, so that a high score stays out of the build.
cp -r "$build/game" "$scratch/game"
(cd "$scratch/game" && DISPLAY="$display" SDL_AUDIODRIVER=dummy LD_PRELOAD="$probe" \
    exec ./rockjaw 2>"$scratch/probe.log") &
game=$!
window="$(DISPLAY="$display" xdotool search --sync --onlyvisible --name Rockjaw | head -n 1)"
sleep 2 # past start-up

ticks_per_second="$(getconf CLK_TCK)"

# utime + stime, in clock ticks; the name field holds no space.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$game/stat"
}

# Prints one line of figures for the next $seconds seconds.
measure() {
    local label="$1" ticks_before ticks_after start end lines_before
    lines_before="$(wc -l <"$scratch/probe.log")"
    ticks_before="$(cpu_ticks)"
    start="$(date +%s.%N)"
    sleep "$seconds"
    ticks_after="$(cpu_ticks)"
    end="$(date +%s.%N)"
    tail -n +"$((lines_before + 2))" "$scratch/probe.log" | awk -v label="$label" \
        -v ticks="$((ticks_after - ticks_before))" -v hz="$ticks_per_second" -v start="$start" -v end="$end" '
        /^fps_probe:/ {
            n++
            for (i = 2; i <= NF; i++) { split($i, pair, "="); sum[pair[1]] += pair[2] }
        }
        END {
            if (n == 0) { print label ": no flips seen"; exit 1 }
            for (key in sum) mean[key] = sum[key] / n
            cpu = 100 * ticks / hz / (end - start)
            printf "%-15s %5.1f frames/s; CPU %5.1f %% of one core: main thread %4.1f %% (in SDL_Flip %4.1f %%, %.2f ms a flip), other threads %4.1f %% (llvmpipe %4.1f %%)\n",
                label ":", mean["fps"], cpu, mean["main_thread"], mean["in_flip"], mean["flip_cpu_ms"], mean["other_threads"], mean["llvmpipe"]
            printf "%-15s presenting the frame (SDL_Flip and llvmpipe) takes %.0f %% of the CPU; SDL_Flip holds the loop %.0f %% of the time\n",
                "", 100 * (mean["in_flip"] + mean["llvmpipe"]) / mean["process_cpu"], mean["flip_wall"]
        }'
}

measure "title screen"
# Held for a few frames: the game reads the key's state, not its events.
DISPLAY="$display" xdotool windowfocus --sync "$window" keydown Return sleep 0.2 keyup Return
sleep 1
measure "playing screen"
