#!/bin/sh
# Installs the build into a fresh prefix and runs the installed windara-cli
# from there, through its link in bin/.
#   install_test.sh CMAKE BUILD_DIR CASES_DIR
set -eu
cmake=$1
build=$2
cases=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}

unset DESTDIR
"$cmake" --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 ||
  { cat "$prefix/install.log" >&2; fail "cmake --install failed"; }

lib=$prefix/lib/windara
for f in TWC.txt Ferrite.txt Hall.txt TradCT.ico Hall.ico SMPS.ico Windara.ico Windara.hlp; do
  [ -f "$lib/$f" ] || fail "lib/windara/$f is missing"
done
for exe in windara windara-cli; do
  [ -x "$lib/$exe" ] || fail "lib/windara/$exe is missing"
  [ -L "$prefix/bin/$exe" ] || fail "bin/$exe is not a link"
done
[ -f "$prefix/share/applications/windara.desktop" ] || fail "windara.desktop is missing"

cli() {
  (cd "$prefix" && env -u LC_ALL -u LC_NUMERIC -u LANG LC_ALL=C bin/windara-cli "$@")
}

case=$cases/trad-tormix-1mil
cli design "$case/design.tct" --json >"$prefix/out.json" || fail "design exited with $?"
diff -u "$case/expected.json" "$prefix/out.json" >&2 || fail "installed design differs"

cli report "$case/design.tct" >"$prefix/report.txt" || fail "report exited with $?"
grep -q "^    Traditional Current Transformer Design\$" "$prefix/report.txt" ||
  fail "report has no title"
cli report "$case/design.tct" --pdf "$prefix/report.pdf" 2>/dev/null || fail "PDF report failed"
head -c 5 "$prefix/report.pdf" | grep -q '%PDF-' || fail "report.pdf is no PDF"

# The tables come from the installed folder, not from the build.
rm "$lib/TWC.txt"
cli design "$case/design.tct" --json >"$prefix/missing.json" || fail "design exited with $?"
grep -q '"title": "Core Table"' "$prefix/missing.json" ||
  fail "a table removed from lib/windara went unnoticed"
echo "install test: ok"
