#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what a desktop needs
# from it: the program, the menu entry, the icon, the store description, the
# three sounds, the translations and the licence terms, with the entry and the
# description passing the validators.
# Usage: check-install.sh <build folder> <application id>
set -eu
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
for f in bin/chimeral \
         "share/applications/$id.desktop" \
         "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" \
         "share/icons/hicolor/48x48/apps/$id.png" \
         "share/icons/hicolor/256x256/apps/$id.png" \
         share/chimeral/sounds/chime.wav \
         share/chimeral/sounds/tune.mid \
         share/chimeral/sounds/alarm.wav \
         share/man/man1/chimeral.1 \
         share/doc/chimeral/copyright \
         share/chimeral/translations/chimeral_de.qm \
         share/chimeral/translations/chimeral_es.qm \
         share/chimeral/translations/chimeral_fr.qm; do
    if [ ! -s "$prefix/$f" ]; then
        echo "missing or empty after install: $f"
        fail=1
    fi
done
[ -x "$prefix/bin/chimeral" ] || { echo "bin/chimeral is not executable"; fail=1; }

# The entry must start the installed program and show the installed icon.
entry="$prefix/share/applications/$id.desktop"
grep -qx 'Exec=chimeral' "$entry" || { echo "the entry does not start chimeral"; fail=1; }
grep -qx "Icon=$id" "$entry" || { echo "the entry's icon is not $id"; fail=1; }

# The sounds must be what a player takes them for.
bytes() { dd if="$1" bs=1 skip="$2" count="$3" 2>/dev/null; }
sounds="$prefix/share/chimeral/sounds"
[ "$(bytes "$sounds/chime.wav" 0 4)$(bytes "$sounds/chime.wav" 8 4)" = RIFFWAVE ] ||
    { echo "chime.wav is not a WAV file"; fail=1; }
[ "$(bytes "$sounds/tune.mid" 0 4)" = MThd ] || { echo "tune.mid is not a MIDI file"; fail=1; }
# The alarm lasts long enough to be heard from the next room: 20 to 40 s of
# mono 16-bit samples at the rate its header gives.
[ "$(bytes "$sounds/alarm.wav" 0 4)$(bytes "$sounds/alarm.wav" 8 4)" = RIFFWAVE ] ||
    { echo "alarm.wav is not a WAV file"; fail=1; }
rate=$(od -An -tu4 -j24 -N4 "$sounds/alarm.wav" | tr -d ' ')
length=$(od -An -tu4 -j40 -N4 "$sounds/alarm.wav" | tr -d ' ')
seconds=$((length / (2 * rate)))
[ "$seconds" -ge 20 ] && [ "$seconds" -lt 40 ] ||
    { echo "alarm.wav lasts $seconds s, not 20 to 40"; fail=1; }

# Hints count too: a category the menus cannot place is a fault here.
report=$(desktop-file-validate "$entry" 2>&1) || fail=1
[ -z "$report" ] || { echo "$report"; fail=1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail=1
# The whole tree: the description's launchable must name an installed entry
# whose icon is installed.
appstreamcli validate-tree --no-net "$prefix" || fail=1

exit $fail
