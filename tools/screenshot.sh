#!/bin/bash
# Plays the game for a while in a private X server and saves a picture of the
# game in progress for the README: all three rows slamming, enemies about and
# a score.
# Usage: tools/screenshot.sh [PICTURE [GAME_FOLDER]]
# (defaults: docs/screenshot.png and build/game in the repository)
set -u -o pipefail

die() {
    echo "screenshot: $*" >&2
    exit 1
}

root=$(cd "$(dirname "$0")/.." && pwd)
picture=$(realpath -m "${1:-$root/docs/screenshot.png}")
game_dir=$(realpath -m "${2:-$root/build/game}")
[ -x "$game_dir/rockjaw" ] || die "no game in $game_dir; build it first (scripts/build.sh)"
XG_DIR=$(mktemp -d "${TMPDIR:-/tmp}/rockjaw-shot.XXXXXX")
# shellcheck source-path=SCRIPTDIR source=../tests/e2e/xgame.sh
. "$root/tests/e2e/xgame.sh"
trap xg_finish EXIT
trap 'exit 1' INT TERM HUP

SHOT=$XG_DIR/shot.ppm
GAME_OVER_TEXT=$(xg_text_box 300 50 10)


# Prints how many pixels of the last shot differ from the background picture
# in the whole field and in the "GAME OVER!" text.
off_background() {
    xg_off_background "$SHOT" 720x540+0+0 "$GAME_OVER_TEXT" | tr '\n' ' '
}

# shellcheck disable=SC2317 # run by xg_hold_until
playing() {
    local field text
    xg_shot "$SHOT" && read -r field text <<<"$(off_background)" &&
        ((field < 720 * 540 / 4 && text == 0))
}

game_over() {
    local field text
    read -r field text <<<"$(off_background)"
    ((text > 20))
}

# Sets the rows going one after another, the top one first, and holds the
# keys for the given seconds, so the rows keep slamming.
slam_rows() {
    xdotool keydown q sleep 0.2 keydown a sleep 0.2 keydown z sleep "$1" keyup q keyup a keyup z
}

# Parks the player in the top left corner, above the jaws and where few
# enemies pass; squashes a few enemies for a score, lets more come, and
# shoots with the rows in mid-slam.
play() {
    xg_hold_until Return playing || die "Enter did not start a game"
    xdotool keydown Left keydown Up sleep 1.2 keyup Up keyup Left
    sleep 4
    slam_rows 3
    sleep 8
    slam_rows 0.1
    sleep 0.2
    xg_shot "$SHOT"
}

xg_start_xvfb || die "no free display for Xvfb"
xg_start_game "$game_dir"
xg_find_window || die "the game's window did not show"
for game in 1 2 3 4 5; do
    play
    if ! game_over; then
        mkdir -p "$(dirname "$picture")"
        convert "$SHOT" "$picture" && echo "screenshot: saved $picture"
        exit
    fi
    echo "screenshot: the player died in game $game; playing again" >&2
done
die "the player died in every game"
