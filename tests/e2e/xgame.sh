# shellcheck shell=bash
# Runs the game in a private Xvfb and drives it with real key presses.
# Sourced by run_e2e.sh and tools/screenshot.sh. The caller sets XG_DIR to an
# empty scratch folder and calls xg_finish when it exits.

XG_GAME_PID=""
XG_XVFB_PID=""
XG_WIN=""

# Runs a command every tenth of a second until it succeeds; gives up after
# the given number of seconds.
xg_poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

xg_display_up() {
    xdpyinfo -display "$1" >/dev/null 2>&1
}

# The display is ours when our Xvfb's number is in its lock file: two servers
# started on one display at once both answer for a moment, but only one wins
# the lock and the other quits.
xg_xvfb_owns() {
    kill -0 "$XG_XVFB_PID" 2>/dev/null &&
        [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$XG_XVFB_PID" ] &&
        xg_display_up ":$1"
}

xg_xvfb_settled() {
    xg_xvfb_owns "$1" || ! kill -0 "$XG_XVFB_PID" 2>/dev/null
}

# Starts Xvfb on the first free display from :90 and exports DISPLAY.
xg_start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$XG_DIR/xvfb.log" 2>&1 &
        XG_XVFB_PID=$!
        xg_poll 15 xg_xvfb_settled "$n" || return 1
        if xg_xvfb_owns "$n"; then
            export DISPLAY=":$n"
            return 0
        fi
        wait "$XG_XVFB_PID" 2>/dev/null
    done
    return 1
}

# Copies the game folder into the scratch folder and runs it there, so the
# high-score file stays out of the build; the audio goes to a file.
xg_start_game() {
    cp -r "$1" "$XG_DIR/game"
    (cd "$XG_DIR/game" &&
        SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$XG_DIR/audio.raw" \
            exec ./rockjaw >"$XG_DIR/game.log" 2>&1) &
    XG_GAME_PID=$!
}

xg_game_running() {
    kill -0 "$XG_GAME_PID" 2>/dev/null
}

# xdotool's search dies when a window it lists vanishes before it looks at
# it, as SDL's short-lived helper windows do during start-up: search again.
xg_search_window() {
    XG_WIN=$(timeout 5 xdotool search --sync --onlyvisible --name '^Rockjaw$' 2>/dev/null | head -n 1)
    [ -n "$XG_WIN" ]
}

# Waits for the game's window and gives it the keyboard; without a window
# manager only an explicit input focus makes the keys reach it.
xg_find_window() {
    xg_poll 20 xg_search_window && xdotool windowfocus --sync "$XG_WIN"
}

# Saves the window's picture in the format the file name's extension says.
xg_shot() {
    import -window "$XG_WIN" -depth 8 "$1"
}

# The game reads keys by state once a frame, so a quick tap can fall between
# two frames: hold the key until the command given says it took effect.
xg_hold_until() {
    local key=$1 result=0
    shift
    xdotool keydown "$key"
    xg_poll 15 "$@" || result=1
    xdotool keyup "$key"
    return $result
}

# Prints, one line per region (WxH+X+Y), how many of its pixels are not black
# in the picture that the ImageMagick arguments before "--" make.
xg_count_lit() {
    local source=() crops=() region
    while [ "$1" != -- ]; do
        source+=("$1")
        shift
    done
    shift
    for region in "$@"; do
        crops+=('(' mpr:lit -crop "$region" +repage ')')
    done
    convert "${source[@]}" -fill white +opaque black -write mpr:lit +delete "${crops[@]}" \
        -format '%[fx:round(mean*w*h)]\n' info:
}

# Prints, one line per region, how many pixels of a screenshot differ there
# from the game's background picture.
xg_off_background() {
    local shot=$1
    shift
    xg_count_lit "$shot" "bmp:$XG_DIR/game/data/BKG.dat" -compose difference -composite -- "$@"
}

# The box a bitmap text drawn at (x, y) with n characters can cover: the
# first 16-pixel glyph starts at x + 9 and each further one 9 pixels on.
xg_text_box() {
    echo "$((9 * $3 + 7))x16+$(($1 + 9))+$2"
}

xg_end() {
    if [ -n "$1" ] && kill "$1" 2>/dev/null; then
        wait "$1" 2>/dev/null
    fi
}

# Ends the game and Xvfb, if still running, and removes the scratch folder.
xg_finish() {
    xg_end "$XG_GAME_PID"
    xg_end "$XG_XVFB_PID"
    rm -rf "$XG_DIR"
}
