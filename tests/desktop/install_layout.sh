#!/usr/bin/env bash
# Installs the build into a temporary root and checks that exactly the files a
# desktop needs are there, at the places where menus, icon themes and
# software centres look for them, and that they point at each other.
set -euo pipefail
cmake=$1
build=$2
id=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
DESTDIR=$tmp "$cmake" --install "$build" --prefix /usr >/dev/null
root=$tmp/usr
fail=0
failure() { echo "FAIL: $*" >&2; fail=1; }

expected=(
  bin/numvella
  share/applications/$id.desktop
  share/icons/hicolor/128x128/apps/numvella.png
  share/icons/hicolor/64x64/apps/numvella.png
  share/metainfo/$id.metainfo.xml
)
actual=$(cd "$tmp" && find . -type f -o -type l | sed 's|^\./usr/||' | LC_ALL=C sort)
want=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$want" ]; then
  failure "installed files differ from the expected set"
  diff <(echo "$want") <(echo "$actual") >&2 || true
fi

[ -x "$root/bin/numvella" ] || failure "bin/numvella is not executable"

# An icon theme trusts the directory name: the picture must have that size.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3*256+$4, $7*256+$8 }'; }
for size in 64x64 128x128; do
  icon=$root/share/icons/hicolor/$size/apps/numvella.png
  [ -f "$icon" ] || continue
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || failure "$icon is not a PNG"
  got=$(png_size "$icon")
  [ "$got" = "$size" ] || failure "$icon is $got, expected $size"
done

# The menu entry starts an installed program and shows an installed icon.
entry=$root/share/applications/$id.desktop
if [ -f "$entry" ]; then
  exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon_name=$(sed -n 's/^Icon=//p' "$entry")
  [ -x "$root/bin/$exec_cmd" ] || failure "Exec=$exec_cmd is not an installed program in bin/"
  compgen -G "$root/share/icons/hicolor/*/apps/$icon_name.png" >/dev/null ||
    failure "Icon=$icon_name has no picture in the hicolor theme"
fi

# The software centre's checks on the installed tree: the launchable must
# resolve to the installed menu entry.
appstreamcli validate-tree --no-net "$root" || failure "appstreamcli validate-tree rejected the installed tree"

[ "$fail" = 0 ] && echo "ok: install layout under $root"
exit "$fail"
