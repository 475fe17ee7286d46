#!/bin/sh
# `cmake --install` into a scratch prefix installs exactly the files listed in
# the golden list (programs, their data files, links, desktop files), and the
# installed programs run through their links in bin/.
# Usage: install_layout_test.sh CMAKE BUILD_FOLDER GOLDEN_LIST
set -eu
cmake=$1 build=$2 golden=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$prefix.list"
if ! LC_ALL=C sort "$golden" | diff -u - "$prefix.list"; then
    echo "installed files differ from $golden (- expected, + installed)"
    rm -f "$prefix.list"
    exit 1
fi
rm -f "$prefix.list"

for program in gridwick puzzler gridwick-cli; do
    link=$(readlink "$prefix/bin/$program")
    [ "$link" = "../lib/gridwick/$program" ] || { echo "bin/$program -> $link"; exit 1; }
    "$prefix/bin/$program" --version | grep -q "^$program (Gridwick) "
done
"$prefix/bin/gridwick-cli" clues "$prefix/lib/gridwick/Puzzles/heart.pbm" | grep -qx 'title Big Heart'
echo "install layout: $(wc -l <"$golden") files, links and programs in order"
