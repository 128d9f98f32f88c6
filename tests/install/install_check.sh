#!/usr/bin/env bash
# Installs the build into a fresh folder and checks what lands there: exactly the
# expected files, the menu entry valid, the file type understood by shared-mime-info,
# the icons PNGs of their sizes, the man pages clean, the installed tessara-sim
# working on the installed examples. The tools it uses come with scripts/install-deps.
set -u
build=$1 examples=$2 failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
out=$(cmake --install "$build" --prefix "$prefix" 2>&1) || { echo "$out"; echo "FAIL: cmake --install"; exit 1; }

sizes="16 24 32 48 64 128 256"
expected=(bin/tessara bin/tessara-sim share/applications/tessara.desktop
          share/mime/packages/tessara.xml share/doc/tessara/copyright
          share/man/man1/tessara.1.gz share/man/man1/tessara-sim.1.gz
          share/tessara/tessara-sim.schema.json libexec/tessara/tessara-picture)
for s in $sizes; do
  expected+=("share/icons/hicolor/${s}x${s}/apps/tessara.png"
             "share/icons/hicolor/${s}x${s}/mimetypes/application-x-tessara-circuit.png")
done
for f in "$examples"/*.cir "$examples"/*.expected; do
  expected+=("share/tessara/examples/$(basename "$f")")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) \
  || fail "the installed files differ from the list above (< missing, > unexpected)"


desktop=$prefix/share/applications/tessara.desktop
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
for line in 'Name=Tessara' 'Exec=tessara %f' 'Icon=tessara' 'MimeType=application/x-tessara-circuit;'; do
  grep -qxF "$line" "$desktop" || fail "tessara.desktop lacks the line $line"
done

mime=$prefix/share/mime
XDG_DATA_DIRS="$prefix/share" update-mime-database "$mime" || fail "update-mime-database refused tessara.xml"
grep -qF 'application/x-tessara-circuit:*.cir' "$mime/globs2" \
  || fail "shared-mime-info does not map *.cir to application/x-tessara-circuit"
grep -qaF '"Tessara"' "$mime/magic" || fail "shared-mime-info has no magic for \"Tessara\""

for s in $sizes; do
  for icon in "$prefix/share/icons/hicolor/${s}x${s}"/*/*.png; do
    got=$(identify -format '%m %w %h' "$icon" 2>&1)
    [ "$got" = "PNG $s $s" ] || fail "$icon: $got, not a PNG of $s x $s"
  done
done

for page in "$prefix"/share/man/man1/*.1.gz; do
  out=$(gzip -dc "$page" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$out" ] || fail "$(basename "$page"): groff warns: $out"
  MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^NAME' \
    || fail "$(basename "$page"): man -l shows no NAME section"
done

sim=$prefix/bin/tessara-sim
for f in "$prefix"/share/tessara/examples/*.cir; do
  "$sim" check "$f" >/dev/null || fail "the installed tessara-sim cannot check $f"; done
"$sim" picture "$examples/half_adder.cir" "$prefix/half_adder.png" \
  || fail "the installed tessara-sim cannot draw a picture"

[ "$failures" = 0 ] || exit 1
echo "installed files all present and sound"
