# Source-package entries derived from the machine's own apt sources (sourced,
# not run). The cross-builds fetch Debian's sources with `apt-get source`, so
# they need a deb-src entry for every Debian binary entry: the same mirror
# (whatever it is, internal ones included), suites, components and key.
#
# lanque_deb_src_entries CODENAME SOURCES_LIST PARTS_DIR OWN_FILE
#   prints deb822 deb-src stanzas for the binary entries of SOURCES_LIST and
#   of PARTS_DIR/*.list and PARTS_DIR/*.sources (OWN_FILE, the file the
#   result goes to, is not read). Only suites of this release count
#   (CODENAME, CODENAME-updates, CODENAME-security, ...); pairs of mirror and
#   suite that already have a deb-src entry are left out. Prints nothing when
#   nothing is missing.
# lanque_write_root_file PATH  writes its standard input to PATH (mode 644)
#   by renaming a finished copy over it, so PATH is never half written.

# One record a line: TYPE URI SUITE COMPONENTS SIGNED-BY TRUSTED, separated by
# tabs; the lines of a multi-line Signed-By are joined with \001.
_lanque_apt_records_deb822() {
  awk -v OFS='\t' '
    function flush(   types, uris, suites, nt, nu, ns, t, u, s, comps) {
      if (!seen) return
      if (tolower(f["enabled"]) != "no") {
        nt = split(words(f["types"]), types, " ")
        nu = split(words(f["uris"]), uris, " ")
        ns = split(words(f["suites"]), suites, " ")
        comps = words(f["components"])
        for (t = 1; t <= nt; t++) for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++)
          print types[t], uris[u], suites[s], comps, f["signed-by"], f["trusted"]
      }
      split("", f); key = ""; seen = 0
    }
    function words(v) { gsub(/\001/, " ", v); gsub(/[ \t]+/, " ", v); sub(/^ /, "", v); sub(/ $/, "", v); return v }
    /^#/ { next }
    /^[ \t]*$/ { flush(); next }
    /^[ \t]/ { if (key != "") f[key] = f[key] "\001" $0; next }
    {
      i = index($0, ":"); if (i == 0) next
      key = tolower(substr($0, 1, i - 1)); v = substr($0, i + 1)
      sub(/^[ \t]+/, "", v); sub(/[ \t]+$/, "", v)
      f[key] = v; seen = 1
    }
    END { flush() }' "$1"
}

_lanque_apt_records_one_line() {
  awk -v OFS='\t' '
    {
      sub(/#.*/, "")
      if ($1 != "deb" && $1 != "deb-src") next
      type = $1; rest = substr($0, index($0, type) + length(type)); opts = ""
      if (rest ~ /^[ \t]*\[/) {
        opts = substr(rest, index(rest, "[") + 1); rest = substr(opts, index(opts, "]") + 1)
        opts = substr(opts, 1, index(opts, "]") - 1)
      }
      n = split(rest, w, " "); if (n < 2) next
      comps = ""; for (i = 3; i <= n; i++) comps = comps (i > 3 ? " " : "") w[i]
      signed = ""; trusted = ""
      m = split(opts, o, " ")
      for (i = 1; i <= m; i++) {
        if (o[i] ~ /^signed-by=/) signed = substr(o[i], 11)
        if (o[i] ~ /^trusted=/) trusted = substr(o[i], 9)
      }
      print type, w[1], w[2], comps, signed, trusted
    }' "$1"
}

lanque_deb_src_entries() {
  local codename=$1 list=$2 parts=${3%/} own=$4 file
  {
    [ -f "$list" ] && _lanque_apt_records_one_line "$list"
    for file in "$parts"/*; do
      [ -f "$file" ] && [ "$file" != "$own" ] || continue
      case "$file" in
        *.sources) _lanque_apt_records_deb822 "$file" ;;
        *.list) _lanque_apt_records_one_line "$file" ;;
      esac
    done
  } | awk -F '\t' -v codename="$codename" '
    function bare(u) { sub(/\/+$/, "", u); return u }
    { type[NR] = $1; uri[NR] = $2; suite[NR] = $3; comps[NR] = $4; signed[NR] = $5; trusted[NR] = $6
      if ($1 == "deb-src") have[bare($2) " " $3] = 1 }
    END {
      # One stanza for each mirror with the same components and key; the
      # suites keep the order in which the binary entries name them.
      for (r = 1; r <= NR; r++) {
        pair = bare(uri[r]) " " suite[r]
        if (type[r] != "deb" || (pair in have)) continue
        if (suite[r] != codename && index(suite[r], codename "-") != 1) continue
        have[pair] = 1
        g = uri[r] "\t" comps[r] "\t" signed[r] "\t" trusted[r]
        if (!(g in suites)) { order[++groups] = g; suites[g] = suite[r] } else suites[g] = suites[g] " " suite[r]
      }
      for (i = 1; i <= groups; i++) {
        split(order[i], p, "\t")
        if (i > 1) print ""
        print "Types: deb-src"
        print "URIs: " p[1]
        print "Suites: " suites[order[i]]
        if (p[2] != "") print "Components: " p[2]
        if (p[3] != "") { s = p[3]; gsub(/\001/, "\n", s); print "Signed-By: " s }
        if (p[4] != "") print "Trusted: " p[4]
      }
    }'
}

lanque_write_root_file() {
  local path=$1 tmp
  # A dot file next to PATH: apt skips it, and the rename stays on one file system.
  tmp=$(lanque_as_root mktemp "$(dirname "$path")/.$(basename "$path").XXXXXX")
  if lanque_as_root tee "$tmp" >/dev/null && lanque_as_root chmod 644 "$tmp" \
     && lanque_as_root mv -f "$tmp" "$path"; then
    return 0
  fi
  lanque_as_root rm -f "$tmp"
  return 1
}
