#!/bin/sh
# Makes the start-up shortcut of Klokkeven on a freedesktop system: a desktop
# entry that starts the program.
#   createShortcut.sh PROGRAM SHORTCUT
# PROGRAM is the program file the entry starts, SHORTCUT the entry's path.
# The entry appears whole or not at all: the program watches for it.
set -eu

if [ "$#" -ne 2 ] || [ -z "$1" ] || [ -z "$2" ]; then
    echo "Brug: $0 PROGRAMFIL GENVEJSFIL" >&2
    exit 2
fi
program=$1
shortcut=$2

case $program in
/*) ;;
*) echo "$0: programfilen skal angives med fuld sti: $program" >&2; exit 2 ;;
esac
nl='
'
case $program in
*"$nl"*) echo "$0: en programfil med linjeskift kan ikke startes fra en genvej" >&2; exit 2 ;;
esac

# The Exec key: the path in double quotes, where \ " ` $ are escaped for the
# quoting and every \ once more for the desktop entry's string; a % is %%.
quoted=$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
# TryExec names the program file itself, with every \ escaped for the
# entry's string: once the program is removed, the desktop skips the entry.
tryexec=$(printf '%s' "$program" | sed -e 's/\\/\\\\/g')

partial="$shortcut.$$.tmp"
trap 'rm -f "$partial"' EXIT
cat >"$partial" <<ENTRY
[Desktop Entry]
Type=Application
Name=Klokkeven
Comment=Skrivebordsur med alarmer
TryExec=$tryexec
Exec="$quoted"
Icon=dk.klokkeven.Klokkeven
Terminal=false
Categories=Utility;Clock;
X-GNOME-Autostart-enabled=true
ENTRY
chmod 644 "$partial"
mv -f "$partial" "$shortcut"
trap - EXIT
