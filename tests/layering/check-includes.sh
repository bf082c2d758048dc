#!/usr/bin/env bash
# Every include of src/ that names a folder ("db/database.h") must name the including file's own
# folder or one whose library that folder's library links, as the build's table says (written from
# the link lines, one line per folder: "domain: db domain platform"). Each include that points
# elsewhere is named with its file and line, and the test fails. So is a pair of layers whose
# libraries link each other: an upward include is not put right by an upward link.
set -euo pipefail
src=$1
table=$(realpath "$2")
cd "$src"
grep -rnE --include='*.h' --include='*.cpp' --include='*.in' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*/' . |
  sort -t: -k1,1 -k2,2n |
  awk -v table="$table" '
    function dirname(path) { sub(/\/[^\/]*$/, "", path); return path }
    BEGIN {
      while ((getline row < table) > 0) {
        folder = row; sub(/:.*/, "", folder)
        allowed = row; sub(/^[^:]*:/, "", allowed)
        links[folder] = allowed
        may[folder] = allowed " "
      }
      if (length(may) == 0) { print "no layers in " table; bad = 2; exit }
      for (a in may)
        for (b in may)
          if (a < b && index(may[a], " " b " ") && index(may[b], " " a " ")) {
            printf "the libraries of %s and %s link each other\n", a, b; bad = 1
          }
    }
    {
      file = $0; sub(/^\.\//, "", file); sub(/:.*/, "", file)
      line = $0; sub(/^[^:]*:/, "", line); sub(/:.*/, "", line)
      header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
      from = dirname(file); to = dirname(header)
      if (!(from in may)) {
        printf "src/%s:%s: the folder %s is no layer of the build\n", file, line, from; bad = 1
      } else if (index(may[from], " " to " ") == 0) {
        printf "src/%s:%s: includes \"%s\", but %s links only:%s\n", file, line, header, from, links[from]; bad = 1
      }
    }
    END { exit bad }
  '
