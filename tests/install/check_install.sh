#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks what a user gets there:
# exactly the expected files, programs that run, manual pages with their sections, and a
# .qdb file that the desktop's file-type database knows as ours by its name and by its
# first bytes, opened with Quelmar.
#   check_install.sh BUILD_DIR MANIFEST man|no-generated-man
set -euo pipefail
build=$1 manifest=$2 man=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/usr
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# ---- the installed files ----
if [ "$man" = man ]; then
  sed -e '/^#/d' -e '/^$/d' -e 's/^man: //' "$manifest"
else
  echo "help2man was missing at build time: no generated manual pages expected"
  sed -e '/^#/d' -e '/^$/d' -e '/^man: /d' "$manifest"
fi | sort >"$tmp/expected"
(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) >"$tmp/installed"
diff -u "$tmp/expected" "$tmp/installed" || fail "the installed files are not the ones in $manifest"
echo "installed:"
sed 's/^/  /' "$tmp/installed"

for p in quelmar quelmar-cli stbsim; do
  [ -x "$prefix/bin/$p" ] || fail "bin/$p is not executable"
done
"$prefix/bin/quelmar-cli" --version | grep -qx 'quelmar-cli [0-9][0-9.]*' || fail "quelmar-cli --version"

# ---- manual pages ----
for page in "$prefix"/share/man/man1/*.1.gz; do
  name=$(basename "$page" .1.gz)
  text=$(gzip -dc "$page") || fail "$page does not decompress"
  grep -qi "^\.TH \"\?$name\"\? \"\?1" <<<"$text" || fail "$page: no .TH line for $name"
  sections=(NAME DESCRIPTION "SEE ALSO")
  case $name in
    quelmar) sections+=(SYNOPSIS OPTIONS "EXIT STATUS" FILES) ;;
    quelmar-cli) sections+=(SYNOPSIS OPTIONS "EXIT STATUS" FILES EXAMPLES) ;;
  esac
  for section in "${sections[@]}"; do
    grep -q "^\.SH \"\?$section\"\?$" <<<"$text" || fail "$page: no $section section"
  done
done
if [ "$man" = man ]; then
  text=$(gzip -dc "$prefix/share/man/man1/quelmar-cli.1.gz")
  # Every command and option of the tool is explained in its page.
  for word in new sample info check resave receive send type json port baud timeout version; do
    grep -q "$word" <<<"$text" || fail "quelmar-cli.1 does not mention $word"
  done
fi

# ---- the .qdb file type, as the desktop sees it ----
for tool in update-mime-database update-desktop-database xdg-mime mimetype; do
  if ! command -v "$tool" >/dev/null; then
    echo "not checked: the .qdb file type ($tool is not installed; scripts/deps.sh installs it)"
    exit 0
  fi
done
update-mime-database "$prefix/share/mime" >/dev/null
update-desktop-database "$prefix/share/applications"
export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config"
export XDG_CONFIG_DIRS="$tmp/config" XDG_CURRENT_DESKTOP=X-Generic
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
"$prefix/bin/quelmar-cli" sample "$tmp/demo.qdb" >/dev/null
cp "$tmp/demo.qdb" "$tmp/renamed.bin"           # known by its first bytes alone
head -c 458816 /dev/zero >"$tmp/zeros.bin"       # the same size, not ours
type_of() { xdg-mime query filetype "$1"; }
[ "$(type_of "$tmp/demo.qdb")" = application/x-quelmar-qdb ] || fail "demo.qdb is $(type_of "$tmp/demo.qdb")"
[ "$(type_of "$tmp/renamed.bin")" = application/x-quelmar-qdb ] || fail "renamed.bin is $(type_of "$tmp/renamed.bin")"
[ "$(type_of "$tmp/zeros.bin")" != application/x-quelmar-qdb ] || fail "a file of zeros was taken for a database"
default=$(xdg-mime query default application/x-quelmar-qdb)
[ "$default" = quelmar.desktop ] || fail "a .qdb opens with '$default', not quelmar.desktop"
echo "file type: demo.qdb and renamed.bin are application/x-quelmar-qdb, opened with $default"
