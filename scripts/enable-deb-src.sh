#!/usr/bin/env bash
# Makes Debian's source packages reachable through the sources this machine
# already uses: a deb-src entry for every enabled deb entry (same URIs,
# suites and components, a mirror included), unless deb-src entries exist.
# Needs root when it has to add them; prints whether it did.
set -euo pipefail

dir=/etc/apt/sources.list.d
enabled=()
[ -f /etc/apt/sources.list ] && enabled+=(/etc/apt/sources.list)
for f in "$dir"/*.list "$dir"/*.sources; do
  [ -f "$f" ] && enabled+=("$f")
done
if [ ${#enabled[@]} -gt 0 ] && grep -Eqs '^\s*(deb-src\s|Types:.*\bdeb-src\b)' "${enabled[@]}"; then
  echo "deb-src: present"
  exit 0
fi

out_list=$dir/quorvel-deb-src.list
out_sources=$dir/quorvel-deb-src.sources
: > "$out_list.tmp"
: > "$out_sources.tmp"
for f in "${enabled[@]}"; do
  case "$f" in
    *.sources)
      # deb822 stanzas: each one whose types include deb, with deb-src.
      awk 'function flush() {
             if (deb) printf "%s\n", stanza
             stanza = ""; deb = 0
           }
           /^[ \t]*$/ { flush(); next }
           /^Types:/ {
             for (i = 2; i <= NF; i++) if ($i == "deb") deb = 1
             $0 = "Types: deb-src"
           }
           { stanza = stanza $0 "\n" }
           END { flush() }' "$f" >> "$out_sources.tmp"
      ;;
    *)
      sed -n -E 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$f" >> "$out_list.tmp"
      ;;
  esac
done
for out in "$out_list" "$out_sources"; do
  if [ -s "$out.tmp" ]; then mv "$out.tmp" "$out"; else rm -f "$out.tmp"; fi
done
echo "deb-src: added for the configured sources"
