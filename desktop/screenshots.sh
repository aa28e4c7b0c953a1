#!/bin/sh
# SPDX-License-Identifier: MIT
# Takes the screenshots of the README and the store description: starts the
# built program on a virtual display with a window manager, in a temporary
# configuration folder and current directory, and photographs each tab of the
# main window and the options, log and about windows, as a user would open
# them: with the keyboard, through the menus.
# Usage: screenshots.sh <build folder> <output folder>
set -eu
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A display of its own; Xvfb picks a free number and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids="$! $pids"
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
DISPLAY=:$(cat "$work/display")
export DISPLAY

# The window manager draws the frames and title bars the windows are laid out
# around, as on a desktop; in its usual theme, with titles in normal weight so
# that the main window's fits its title bar.
sed 's|<weight>bold</weight>|<weight>normal</weight>|' /etc/xdg/openbox/rc.xml >"$work/rc.xml"
openbox --sm-disable --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
pids="$! $pids"
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# The sounds that come with the program set, as the package installs them, so
# that start-up asks nothing. Nothing is played.
mkdir -p "$work/config" "$work/cwd"
sounds=/usr/share/chimeral/sounds
printf 'ALARMSOUND=%s\r\nTIMERSOUND=%s\r\n' "$sounds/chime.wav" "$sounds/tune.mid" \
    >"$work/config/chimeral.ini"
(cd "$work/cwd" && XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy \
    exec "$build/chimeral" >"$work/chimeral.log" 2>&1) &
pids="$! $pids"

# The one visible window whose title begins with the given text.
window() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1" | head -n 1
}

# Lets the window finish drawing, then photographs it with its frame.
shoot() {
    sleep 1
    import -frame -window "$1" -strip "$out/$2.png"
    echo "wrote $out/$2.png"
}

main=$(window 'Alarm Clock and Timer') || { cat "$work/chimeral.log"; exit 1; }
xdotool windowactivate --sync "$main"
shoot "$main" clock

# The Clock tab is shown first; Ctrl+Tab goes on to the next tab, from the
# last to the first.
for tab in timer alarm stopwatch timerecord; do
    xdotool key --clearmodifiers ctrl+Tab
    shoot "$main" $tab
done
xdotool key --clearmodifiers ctrl+Tab

# Options > Sounds, the item after the Clock submenu.
xdotool key --clearmodifiers alt+o
sleep 0.5
xdotool key Down Return
options=$(window 'Options')
shoot "$options" options
xdotool windowactivate --sync "$options" key --clearmodifiers alt+F4

# Help > Log an error or comment, and Help > About.
xdotool windowactivate --sync "$main" key --clearmodifiers alt+h
sleep 0.5
xdotool key l
log=$(window 'Log')
shoot "$log" log
xdotool windowactivate --sync "$log" key --clearmodifiers alt+F4

xdotool windowactivate --sync "$main" key --clearmodifiers alt+h
sleep 0.5
xdotool key a
about=$(window 'About')
shoot "$about" about
xdotool windowactivate --sync "$about" key --clearmodifiers alt+F4

# Ends the program as a user would.
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
sleep 1
