#!/bin/sh
# Checks that a desktop given the installed tree knows the saved games: the tree's type and
# desktop entry are registered in private XDG folders, as the distribution's triggers would,
# then xdg-mime must name the type of a save (the extension in either case) and the game as
# the program that opens it.
#   CheckSaveType.sh PREFIX APP_ID TYPE
set -eu
share=$1/share app_id=$2 type=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages" "$scratch/applications"
cp "$share/mime/packages/$app_id.xml" "$scratch/mime/packages/"
cp "$share/applications/$app_id.desktop" "$scratch/applications/"
export XDG_DATA_HOME="$scratch" XDG_CONFIG_HOME="$scratch/config"
update-mime-database "$scratch/mime"
update-desktop-database "$scratch/applications"

fail() {
    echo "$1" >&2
    exit 1
}
for name in GAME.QSV game.qsv; do
    printf '1,"Ann",1,0,20,20,10,7,8,6,20,20,10,7,8,6,100,2,0,1,0,0,0,0,0,0,0,' >"$scratch/$name"
    printf '#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,' \
        >>"$scratch/$name"
    printf '"Farmin","x3y4","Q1",5\r\n' >>"$scratch/$name"
    found=$(xdg-mime query filetype "$scratch/$name")
    [ "$found" = "$type" ] || fail "$name is taken for $found, not $type"
done
opener=$(xdg-mime query default "$type")
[ "$opener" = "$app_id.desktop" ] || fail "$type opens with '$opener', not $app_id.desktop"
echo "Saves are $type and open with $opener"
