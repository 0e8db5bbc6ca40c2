#!/bin/sh
# pagewick-cli search: hits in file-list order (names sorted without regard to case), name hits on and off,
# the program's own ".fw" files and links left out, a folder that is not there refused with exit code 1.
cli="$1"
d=$(mktemp -d) || exit 1
trap 'rm -rf "$d"' EXIT
printf 'one apple' > "$d/b.txt"
printf 'nothing' > "$d/Apple-pie.md"
printf 'APPLE' > "$d/c.txt"
printf 'apple' > "$d/d.png"
printf 'apple' > "$d/a.txt.fw"
printf 'pear' > "$d/e.txt"
ln -s "$d/c.txt" "$d/link.txt"
fail() { echo "FAIL: $*"; exit 1; }
out=$("$cli" search "$d" apple) || fail "exit code $?"
[ "$out" = "$(printf 'Apple-pie.md\nb.txt\nc.txt')" ] || fail "with names: $out"
out=$("$cli" search "$d" apple --no-names) || fail "exit code $?"
[ "$out" = "$(printf 'b.txt\nc.txt')" ] || fail "without names: $out"
out=$("$cli" search "$d" zebra) || fail "exit code $?"
[ -z "$out" ] || fail "a miss printed: $out"
"$cli" search "$d/none" apple 2>/dev/null
[ $? -eq 1 ] || fail "a missing folder was not refused"
exit 0
