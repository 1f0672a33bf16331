#!/bin/bash
# Plays the real game in a private X server with real key presses: the window,
# the title screen, a game, the player crushed by the middle row with its
# sound, the next game, and Esc.
# Usage: run_e2e.sh GAME_FOLDER [FAILURE_FOLDER]
set -u -o pipefail
shopt -s nullglob

game_dir=$(realpath "$1")
failures=$(realpath -m "${2:-e2e-failure}")
XG_DIR=$(mktemp -d "${TMPDIR:-/tmp}/rockjaw-e2e.XXXXXX")
# shellcheck source-path=SCRIPTDIR source=xgame.sh
. "$(dirname "$0")/xgame.sh"
started=$SECONDS

trap xg_finish EXIT
trap 'exit 1' INT TERM HUP

fail() {
    local shot
    echo "FAIL: expected $*" >&2
    rm -rf "$failures"
    mkdir -p "$failures"
    for shot in "$XG_DIR"/*.ppm; do
        convert "$shot" "$failures/$(basename "${shot%.ppm}").png"
    done
    cp "$XG_DIR"/*.log "$failures"/
    echo "Screenshots and logs are in $failures; the game said:" >&2
    [ ! -e "$XG_DIR/game.log" ] || cat "$XG_DIR/game.log" >&2
    exit 1
}

# Where the game draws its texts, as in a call of its text drawing.
HELP_LINES=("$(xg_text_box 100 460 22)" "$(xg_text_box 100 480 25)"
    "$(xg_text_box 100 500 25)" "$(xg_text_box 400 480 24)")
HELP_AREA=523x56+109+460 # around all four
SCORE_LABEL=$(xg_text_box 600 0 6)
GAME_OVER_TEXT=$(xg_text_box 300 50 10)
YOUR_SCORE_TEXT=$(xg_text_box 280 440 15)
FINAL_SCORE=$(xg_text_box 300 460 1)
FIELD=720x540+0+0
FIELD_AREA=$((720 * 540))

shot() {
    xg_shot "$XG_DIR/$1.ppm"
}

counts=()

# Fills "counts" with the number of lit pixels in each region of a screenshot.
lit() {
    mapfile -t counts < <(xg_count_lit "$XG_DIR/$1.ppm" -- "${@:2}")
    ((${#counts[@]} == $# - 1))
}

# Fills "counts" with the number of pixels in each region of a screenshot
# that differ from the background picture.
off_background() {
    mapfile -t counts < <(xg_off_background "$XG_DIR/$1.ppm" "${@:2}")
    ((${#counts[@]} == $# - 1))
}

all_lit() {
    local n
    for n in "${counts[@]}"; do
        ((n > 0)) || return 1
    done
}

title_shown() {
    shot title && lit title "${HELP_LINES[@]}" "$SPLASH" && all_lit
}

# The background covers the field but for rows, bugs and the score texts.
playing_shown() {
    shot "$1" && off_background "$1" $FIELD "$SCORE_LABEL" "$GAME_OVER_TEXT" "$YOUR_SCORE_TEXT" &&
        ((counts[0] < FIELD_AREA / 4 && counts[1] > 0 && counts[2] == 0 && counts[3] == 0))
}

game_over_shown() {
    shot game-over && off_background game-over $FIELD "$GAME_OVER_TEXT" "$YOUR_SCORE_TEXT" "$FINAL_SCORE" &&
        ((counts[0] < FIELD_AREA / 4 && counts[1] > 20 && counts[2] > 20 && counts[3] > 0))
}

start_game() {
    xg_hold_until Return playing_shown "$1" ||
        fail "Enter to start a game: the background with the score and without the game-over texts" \
            "($1.png; pixels off the background in the field, score, game-over texts: ${counts[*]})"
}

audio_bytes() {
    stat -c %s "$XG_DIR/audio.raw" 2>/dev/null || echo 0
}

audio_running() {
    (($(audio_bytes) > 0))
}

# The audio output from byte $1 up to now holds nothing but zero samples.
silent_since() {
    local end
    end=$(audio_bytes)
    cmp -s -i "$1" -n $((end - $1)) "$XG_DIR/audio.raw" /dev/zero
}

sound_since() {
    ! silent_since "$1"
}

check_window() {
    local names size
    names=$(xprop -id "$XG_WIN" WM_NAME _NET_WM_NAME | sed 's/^[^=]*= //')
    [ "$names" = $'"Rockjaw"\n"Rockjaw"' ] ||
        fail "the window title \"Rockjaw\" in WM_NAME and _NET_WM_NAME, got: $names"
    size=$(xwininfo -id "$XG_WIN" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
    [ "$size" = 720x540 ] || fail "a window of 720x540, got $size"
}

# An ImageMagick rectangle over a WxH+X+Y region.
rectangle() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$1"
    echo "rectangle $x,$y $((x + w - 1)),$((y + h - 1))"
}

check_title_screen() {
    xg_poll 15 title_shown ||
        fail "the four help lines and the title picture at $SPLASH lit (title.png; lit pixels: ${counts[*]})"
    convert "$XG_DIR/title.ppm" -fill black -draw "$(rectangle "$SPLASH")" \
        -draw "$(rectangle $HELP_AREA)" "$XG_DIR/title-masked.ppm"
    lit title-masked $FIELD
    ((counts[0] == 0)) ||
        fail "a black field outside the title picture and the help lines (title-masked.png; lit pixels: ${counts[0]})"
}

# The rows rest at the edges and the player stands at (320, 200).
check_game_start() {
    local jaws=(75x75+0+75 75x75+645+75 75x75+0+225 75x75+645+225 75x75+0+375 75x75+645+375) i
    off_background "$1" "${jaws[@]}" 35x40+320+200
    for i in "${!jaws[@]}"; do
        ((counts[i] > 75 * 75 / 4)) || fail "a boulder resting at ${jaws[i]} ($1.png; pixels off the background: ${counts[i]})"
    done
    ((counts[6] > 35 * 40 / 4)) || fail "the player at (320, 200) ($1.png; pixels off the background: ${counts[6]})"
}

# An enemy that reaches the player before the jaws do ends the game without
# the squash sound; the next game is tried then.
crush_player() {
    local game start
    for game in 1 2 3; do
        start=$(audio_bytes)
        xg_hold_until a game_over_shown ||
            fail "holding A to crush the player in the middle row: \"GAME OVER!\", \"Your Score Was:\" and the score" \
                "(game-over.png; pixels off the background in the field and the three texts: ${counts[*]})"
        xg_poll 5 sound_since "$start" && return
        echo "No squash sound in game $game: an enemy may have reached the player first." >&2
        start_game playing
    done
    fail "the squash sound in the audio output after the middle row crushed the player"
}

xg_start_xvfb || fail "Xvfb to start on a free display from :90 (xvfb.log)"
xg_start_game "$game_dir"
xg_find_window || fail "a visible window named \"Rockjaw\" within 20 s"
SPLASH=$(identify -format '%wx%h+75+100' "bmp:$XG_DIR/game/data/Splash.dat")

check_window
check_title_screen

start_game playing
xg_poll 10 audio_running || fail "the disk audio output to grow ($XG_DIR/audio.raw)"
silent_since 0 || fail "silence in the audio output before anything is squashed"
crush_player
check_game_start playing

start_game next-game
check_game_start next-game

xdotool key Escape
xg_poll 10 eval '! xg_game_running' || fail "Esc to end the game within 10 s"
wait "$XG_GAME_PID"
status=$?
XG_GAME_PID=""
((status == 0)) || fail "exit status 0 after Esc, got $status"

echo "rockjaw e2e: passed in $((SECONDS - started)) s"
