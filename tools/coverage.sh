#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole ctest suite, summed per folder.
#   tools/coverage.sh [BUILD_FOLDER]        (default build-cov)
# Builds an instrumented Debug folder, clears old counts, runs every test (the
# end-to-end runs need DISPLAY and LIBGL_ALWAYS_SOFTWARE=1, as for ctest) and
# writes BUILD_FOLDER/coverage/index.html (per file) besides the table printed here.
# Branches only exceptions take and those the compiler adds are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build-cov}
scripts/build.sh "$folder" -DCMAKE_BUILD_TYPE=Debug -DORVEX_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_C_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
find "$folder" -name '*.gcda' -delete
(cd "$folder" && SDL_AUDIODRIVER=dummy ctest --output-on-failure) || echo "(some tests failed: the figures cover what ran)"
mkdir -p "$folder/coverage"
gcovr --root . --object-directory "$folder" --filter 'src/' --exclude-throw-branches \
  --exclude-unreachable-branches --json-summary "$folder/coverage/summary.json" \
  --html-details "$folder/coverage/index.html" >/dev/null
python3 - "$folder/coverage/summary.json" <<'EOF'
import json, os, sys
folders = {}
for entry in json.load(open(sys.argv[1]))["files"]:
    sums = folders.setdefault(os.path.dirname(entry["filename"]), [0, 0, 0, 0])
    for i, key in enumerate(("line_covered", "line_total", "branch_covered", "branch_total")):
        sums[i] += entry[key]
def percent(covered, total):
    return "%5.1f%%" % (100.0 * covered / total) if total else "    -"
print("%-22s %15s %15s" % ("folder", "lines", "branches"))
total = [0, 0, 0, 0]
for name in sorted(folders):
    s = folders[name]
    total = [a + b for a, b in zip(total, s)]
    print("%-22s %s %5d/%-5d %s %5d/%-5d" % (name, percent(s[0], s[1]), s[0], s[1], percent(s[2], s[3]), s[2], s[3]))
print("%-22s %s %5d/%-5d %s %5d/%-5d" % ("all", percent(total[0], total[1]), total[0], total[1], percent(total[2], total[3]), total[2], total[3]))
EOF
