#!/bin/bash
# Takes the game's screenshots from the running program on a virtual display:
#   docs/screenshots/first-run-new-table.png   the first start asking for a table
#   docs/screenshots/bet-popup.png             a no-limit hand with the bet amounts open
#   docs/screenshots/showdown-names-amounts.png a showdown with "Name" and "$" on
#   docs/screenshots/bust-question.png         "Start" after a seat went broke
# and every dialog as the game shows it, under docs/dialogs/.
# Needs xvfb-run, xdotool and ImageMagick (import, convert). The play is scripted
# with fixed waits and a fixed seed, so the hands are the same from run to run.
# Usage: scripts/take-screenshots.sh [build-dir]
set -euo pipefail
if [ "${1:-}" != "--inside" ]; then
  build=$(realpath "${1:-build}")
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$build"
fi
build=$2
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
game=$build/src/app/quillfern
mkdir -p "$out"

shot() {  # the window's area (zoom 2: 480 x 538 plus the menu bar) and what lies over it
  import -window root "$work/full.png"
  convert "$work/full.png" -crop 480x560+0+0 +repage "$out/$1"
}
focus() { xdotool search --name '^Quillfern$' windowfocus --sync; }
poke() {  # writes one byte of the table file
  printf "\\x$(printf %02x "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# First start: no table yet, so the New Table dialog comes up.
"$game" --data-file "$work/table.dat" --seed 5 --zoom 2 2>/dev/null &
pid=$!
sleep 2
shot first-run-new-table.png
xdotool search --name '^New Table$' windowfocus --sync
xdotool key Return   # Go
sleep 1
kill -TERM $pid; wait $pid || true   # closes the splash, saves the table

# The same table as a no-limit table, without the splash, dealing at once and
# showing the whole board and the winner at the end of a hand.
poke "$work/table.dat" 968 6     # betStructure: no limit
poke "$work/table.dat" 1052 0    # showSplash
poke "$work/table.dat" 1044 0    # confirmDeal
poke "$work/table.dat" 1036 1    # alwaysShowWinner
poke "$work/table.dat" 1032 1    # alwaysDealOut

"$game" --data-file "$work/table.dat" --seed 5 --zoom 2 2>/dev/null &
pid=$!
sleep 3
focus
xdotool key 2        # "Raise": the amounts open
sleep 0.5
xdotool key Up       # the last row: all in
sleep 0.3
shot bet-popup.png
xdotool key Return
sleep 0.3
for item in "101 29" "90 51"; do   # "Name | $" -> "Name", then "$"
  xdotool mousemove 91 8 click 1
  sleep 0.4
  xdotool mousemove $item click 1
  sleep 0.4
done
xdotool mousemove 700 700
sleep 3
for street in flop turn river; do   # "All In" on each street
  xdotool key 1
  sleep 2.5
done
shot showdown-names-amounts.png
xdotool key 1        # "Start": the broke seat's question
sleep 1.5
shot bust-question.png
cp "$out/bust-question.png" "$work/question.png"
kill -TERM $pid; wait $pid || true

# The dialogs, opened from the "Game" menu of the running game.
dialogs=$root/docs/dialogs
mkdir -p "$dialogs"
dialog_shot() {  # the window and the dialog over it, without the empty screen
  import -window root "$work/full.png"
  convert "$work/full.png" -trim +repage "$dialogs/$1"
}
menu() {  # "Game" menu item by its row: 0 New Table.. 1 Edit Players.. 2 Edit Game..
  xdotool mousemove 27 8 click 1   # 3 Preferences 4 Stats 5 Help 6 About
  sleep 0.4
  xdotool mousemove 70 $((29 + 22 * $1 + ($1 >= 5 ? 2 : 0))) click 1
}
cp "$work/question.png" "$dialogs/confirmation.png"
poke "$work/table.dat" 1052 1    # the splash on
"$game" --data-file "$work/table.dat" --seed 5 --zoom 2 2>/dev/null &
pid=$!
sleep 1.5
dialog_shot splash.png
sleep 5                           # the splash closes itself
focus
for entry in "1 player_settings.png" "2 betting.png" "3 preferences.png" "4 game_stats.png" \
             "0 new_table.png"; do
  set -- $entry
  menu "$1"
  sleep 1
  dialog_shot "$2"
  xdotool key Escape
  sleep 0.5
done
menu 2                            # Betting, then "Custom..." in its structure list
sleep 1
xdotool key Tab
sleep 0.2
xdotool key End
sleep 1.2
dialog_shot custom_betting.png
xdotool key Escape
sleep 0.3
xdotool search --name '^Betting$' windowfocus --sync   # the focus does not go back by itself
xdotool key Escape
sleep 0.5
menu 6
sleep 0.15
dialog_shot about_sliding.png
sleep 1
dialog_shot about.png
xdotool key Escape
sleep 0.3
kill -TERM $pid; wait $pid || true
echo "screenshots in $out and $dialogs"
