#!/usr/bin/env bash
# Builds the Debian package from the build tree with cpack and checks its control data and
# contents: the three programs under /usr, dependencies found by dpkg-shlibdeps.
#   check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
for tool in dpkg-deb dpkg-shlibdeps cpack; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/deps.sh installs dpkg-dev)"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/quelmar_"$version"_*.deb) || fail "no quelmar_${version}_*.deb was written"
dpkg-deb -I "$deb"
dpkg-deb -I "$deb" control >"$tmp/control"
grep -qx "Package: quelmar" "$tmp/control" || fail "package name"
grep -qx "Version: $version" "$tmp/control" || fail "version"
depends=$(sed -n 's/^Depends: //p' "$tmp/control")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -q "^Recommends: .*qt6-translations-l10n" "$tmp/control" || fail "Recommends lacks qt6-translations-l10n"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$tmp/contents"
for f in usr/bin/quelmar usr/bin/quelmar-cli usr/bin/stbsim usr/share/applications/quelmar.desktop \
         usr/share/mime/packages/quelmar.xml usr/share/man/man1/quelmar.1.gz usr/share/doc/quelmar/copyright \
         usr/share/quelmar/database.schema.json; do
  grep -qx "$f" "$tmp/contents" || fail "the package lacks /$f"
done
# Debian's machine-readable copyright format, and the schema as the source tree has it.
dpkg-deb -x "$deb" "$tmp/root"
head -1 "$tmp/root/usr/share/doc/quelmar/copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' || fail "copyright format"
grep -q '^Files: \*$' "$tmp/root/usr/share/doc/quelmar/copyright" || fail "copyright has no Files: * stanza"
python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$tmp/root/usr/share/quelmar/database.schema.json" ||
  fail "the installed schema is not JSON"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
