#!/usr/bin/env bash
# The windowed program played like a person would: through the logo, the title, the level
# select and the introduction into stage 1, firing and moving, a pause, then Delete. It must
# end with status 0, leave the high-score file it creates on a first start, and its mixer must
# have made sound (SDL's disk audio driver writes what it mixes to a file). Each key press is
# followed by a wait for the screen it leads to, so a slow machine only makes the run longer.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder
start_x_server 1024x768
rm -f init.bin

gold="240,208,96"
start env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/mixed.raw" "$BUILD/zarune-windowed"
wait_for_window
wait_for_colour "the title (the top bar of its Z)" 168,92 "$gold"
# The title ignores Z in its first 10 frames and shows nothing that counts them, but each move
# of its cursor seen on the screen is a frame of its own: ten moves, then Z is taken.
for _ in 1 2 3 4 5; do
    tap Down
    wait_for_colour "the title's cursor on the second row" 209,332 "205,180,104"
    tap Up
    wait_for_colour "the title's cursor on the first row" 209,290 "207,183,111"
done
tap z
# The level select shows the explanation of the row under the cursor once it takes keys.
wait_for_colour "the level select's explanation of the difficulty" 168,397 "160,200,255"
tap z
wait_for_colour "the level select's cursor on the conversations" 172,255 "$gold"
tap z
wait_for_colour "the level select's cursor on start" 229,350 "$gold"
tap z
wait_for_colour "stage 1 (the panel's weapon box)" 38,334 "255,144,48"

xdotool keydown z Left
sleep 1
xdotool keyup Left
xdotool keydown Right Up
sleep 1
xdotool keyup z Right Up

# Escape pauses stage play; on the title it would have ended the program.
tap Escape
wait_for_colour "the pause menu (the P of its title)" 180,118 "$gold"

xdotool key Delete
expect_clean_exit Delete

[ -f init.bin ] || fail "init.bin was not created"
[ -n "$(tr -d '\000' <"$work/mixed.raw" | head -c 1)" ] || fail "the mixer wrote only silence"
echo "ok: played into stage 1, paused, quit; init.bin created; the mixer made sound"
