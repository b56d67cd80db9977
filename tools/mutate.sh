#!/usr/bin/env bash
# Mutation testing of the host suite: how many small faults in the logic the
# host tests catch. Each mutant changes one place of a source that the host
# build compiles, in wizard/core, inspection, install, localisation, platform
# (platform/ui with it) or ktmodem: a comparison flipped (== !=, < >=, > <=),
# && and || swapped, a ! dropped, an integer constant moved by one, a return of
# true or false turned round, or a simple statement removed. For each: rebuild,
# run the whole host suite (ctest); a failing test, a crash or a time-out kills
# the mutant, a build failure makes it stillborn (not counted).
#
#   tools/mutate.sh [--seed S] [-n N] [--out FILE] [--only FILE] [--equivalent FILE] [--list]
#
# --seed, -n: the sample (default seed 30, 120 mutants), spread over the six
#   directories by their number of mutation sites; the same seed and sources give
#   the same sample.
# --out: the results, one line per mutant (default build/mutate/results.txt):
#   FILE:LINE:COL  operator  before  after  result  | the source line
# --only FILE: the mutants of a results file instead of a sample; those it
#   records as killed are carried over without a run (added tests cannot revive
#   them), so `--only` on a full results file gives the score after new tests.
# --equivalent FILE: mutants judged equivalent (lines of a results file, or
#   FILE:LINE:COL operator); the score is then also given without them.
# --list: print the mutants, run nothing.
#
# It builds in build/mutate: Debug like build/host but without the sanitizers
# and linked by lld where present (about 4.5 s a mutant on two cores, against
# 10 s or more in build/host; one that only a sanitizer would catch counts as a
# survivor here). Every mutated file is put
# back from a copy, also on an interrupt. A measurement, not a step of test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seed=30 n=120 out=build/mutate/results.txt only= equiv= list=
while [ $# -gt 0 ]; do
    case $1 in
    --seed) seed=$2; shift 2 ;;
    -n) n=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --only) only=$(realpath "$2"); shift 2 ;;
    --equivalent) equiv=$(realpath "$2"); shift 2 ;;
    --list) list=1; shift ;;
    *) sed -n '11,23p' "$0" >&2; exit 2 ;;
    esac
done
b=build/mutate
work=$(mktemp -d)
saved=
restore() {
    if [ -n "$saved" ]; then cp -p "$work/orig" "$saved" && touch "$saved"; fi
    saved=
}
trap 'restore; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

launcher=()
if command -v ccache >/dev/null; then
    l="env;CCACHE_BASEDIR=$root;CCACHE_NOHASHDIR=1;ccache"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER="$l" -DCMAKE_CXX_COMPILER_LAUNCHER="$l")
fi
gen=(-G Ninja); [ -f $b/build.ninja ] && gen=()
ld=; command -v ld.lld >/dev/null && ld=-fuse-ld=lld  # links in a third of the time
cmake -S . -B $b "${gen[@]}" -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=OFF -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
    -DCMAKE_EXE_LINKER_FLAGS="$ld" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "${launcher[@]}" >/dev/null
build() { nice -n 10 cmake --build $b -j2 >"$work/build.log" 2>&1; }
suite() { nice -n 10 timeout 300 ctest --test-dir $b -j2 --timeout 30 --stop-on-failure >"$work/test.log" 2>&1; }
# The mutants, one per line: FILE LINE COL OPERATOR BEFORE AFTER RESULT SOURCE (separated by US).
python3 - "$b/compile_commands.json" "$seed" "$n" "$only" >"$work/mutants" <<'PY'
import json, os, random, re, sys
db, seed, n, only = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
dirs = ["wizard/core", "wizard/inspection", "wizard/install", "wizard/localisation", "wizard/platform", "ktmodem"]
root = os.getcwd()

def mask(text):
    """The text with comments, literals and preprocessor lines blanked, lines kept."""
    out, i, k = [], 0, len(text)
    while i < k:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = k if j < 0 else j
            out.append(" " * (j - i)); i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2); j = k if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j])); i = j
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isdigit()):
            j = i + 1
            while j < k and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(" " * (j + 1 - i)); i = j + 1
        else:
            out.append(c); i += 1
    lines, cont = "".join(out).split("\n"), False
    for no, l in enumerate(text.split("\n")):  # preprocessor lines
        if cont or l.lstrip().startswith("#"):
            lines[no], cont = " " * len(l), l.endswith("\\")
    return "\n".join(lines)

REL = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
DECL_STOP = re.compile(r"[(=\[;{]|[-+*/|&^]=|<<|>>")
KEYWORDS = {"if", "for", "while", "switch", "do", "return", "case", "default", "goto", "throw", "using", "typedef", "delete", "static_assert", "else"}

def simple_statement(s):
    """True if s (one masked line, stripped) is one whole simple statement."""
    if not s.endswith(";") or "{" in s or "}" in s or s.count("(") != s.count(")") or s.count("[") != s.count("]"):
        return False
    if not re.match(r"(\+\+|--|\*)?[A-Za-z_]", s) or s.rstrip(";").strip() == "":
        return False
    m = DECL_STOP.search(s)
    head = s[:m.start()].strip() if m else s
    word = re.match(r"\w+", head.lstrip("+-*"))
    if s == "return;":
        return True
    return not re.search(r"[\w>*&]\s+[\w*&]", head) and not (word and word.group() in KEYWORDS)

def sites(path):
    text = open(path, encoding="utf-8").read()
    lines, masked = text.split("\n"), mask(text).split("\n")
    prev = ";"
    for no, (src, m) in enumerate(zip(lines, masked), 1):
        found = []
        for x in re.finditer(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)", m):
            found.append((x.start(), "relational", x.group(), REL[x.group()]))
        for x in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", m):
            found.append((x.start(), "logical", x.group(), "||" if x.group() == "&&" else "&&"))
        for x in re.finditer(r"!(?![=])(?=[\w(*:])", m):
            found.append((x.start(), "not", "!", ""))
        for x in re.finditer(r"(?<![\w.'])(0[xX][0-9A-Fa-f]+|\d+)([uUlL]*)(?![\w.'])", m):
            v, hexa = x.group(1), x.group(1)[:2].lower() == "0x"
            val = int(v, 16 if hexa else 10)
            for d in (1, -1):
                w = val + d
                if w < 0 and hexa:
                    continue
                t = ("0x%0*X" % (len(v) - 2, w)) if hexa else str(w)
                found.append((x.start(), "constant%+d" % d, v, t))
        for x in re.finditer(r"\breturn (true|false);", m):
            found.append((x.start() + 7, "return", x.group(1), "false" if x.group(1) == "true" else "true"))
        s = m.strip()
        if s and prev[-1:] in ";{}):" or prev.endswith("else"):
            if simple_statement(s):
                found.append((m.index(s), "statement", src[m.index(s):m.index(s) + len(s)], "{}"))
        x = re.match(r"(\s*if \()", m)
        if x:  # if (condition) statement; on one line
            depth, j = 1, x.end()
            while j < len(m) and depth:
                depth += {"(": 1, ")": -1}.get(m[j], 0); j += 1
            rest = m[j:].strip()
            if not depth and rest and simple_statement(rest):
                c = m.index(rest, j)
                found.append((c, "statement", src[c:c + len(rest)], "{}"))
        if s:
            prev = s
        for col, op, before, after in found:
            yield no, col + 1, op, before, after, src.strip()

def fields(line):
    f = line.rstrip("\n").split("\t")
    fl, no, col = f[0].rsplit(":", 2)
    return fl, int(no), int(col), f[1], f[2], f[3], f[4], f[5][2:]

if only:
    for line in open(only):
        if "\t" in line:
            fl, no, col, op, before, after, result, src = fields(line)
            print("\x1f".join([fl, str(no), str(col), op, before, after, result, src]))
    sys.exit()
files = sorted({os.path.relpath(os.path.join(e["directory"], e["file"]), root) for e in json.load(open(db))})
groups = {d: [] for d in dirs}
for f in files:
    d = next((d for d in dirs if f.startswith(d + "/") and "/win32/" not in f), None)
    if d:
        groups[d] += [(f,) + s for s in sites(f)]
total = sum(len(g) for g in groups.values())
share = {d: n * len(g) / total for d, g in groups.items()}
take = {d: int(share[d]) for d in dirs}
for d in sorted(dirs, key=lambda d: share[d] - take[d], reverse=True)[: n - sum(take.values())]:
    take[d] += 1
take = {d: min(take[d], len(groups[d])) for d in dirs}
rng = random.Random(seed)
for d in dirs:
    for f, no, col, op, before, after, src in sorted(rng.sample(groups[d], take[d])):
        print("\x1f".join([f, str(no), str(col), op, before, after, "", src]))
PY
if [ -n "$list" ]; then tr '\037' '\t' <"$work/mutants"; exit 0; fi
build || { cat "$work/build.log"; exit 1; }
suite || { cat "$work/test.log"; echo "the host suite fails without a mutant" >&2; exit 1; }

# Applies one mutant to its file (found again by its source line if lines moved).
apply() {
    python3 - "$@" <<'PY'
import sys
f, no, col, before, after, src = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5], sys.argv[6]
lines = open(f, encoding="utf-8").read().split("\n")
cands = [no - 1] + sorted((i for i, l in enumerate(lines) if l.strip() == src and i != no - 1), key=lambda i: abs(i - no))
for i in cands:
    if 0 <= i < len(lines) and lines[i][col - 1:col - 1 + len(before)] == before:
        lines[i] = lines[i][:col - 1] + after + lines[i][col - 1 + len(before):]
        open(f, "w", encoding="utf-8").write("\n".join(lines))
        sys.exit(0)
sys.exit(1)
PY
}

mkdir -p "$(dirname "$out")"
: >"$out"
start=$(date +%s)
while IFS=$'\x1f' read -r f no col op before after result src; do
    if [ "$result" != killed ] && [ "$result" != timeout ]; then
        cp -p "$f" "$work/orig"
        saved=$f
        if ! apply "$f" "$no" "$col" "$before" "$after" "$src"; then
            result=missing
        elif ! build; then
            result=stillborn
        elif suite; then
            result=survived
        elif [ $? -eq 124 ] || grep -q '\*\*\*Timeout' "$work/test.log"; then
            result=timeout
        else
            result=killed
        fi
        restore
    fi
    printf '%s:%s:%s\t%s\t%s\t%s\t%s\t| %s\n' "$f" "$no" "$col" "$op" "$before" "$after" "$result" "$src" | tee -a "$out"
done <"$work/mutants"
build || true

awk -F'\t' -v equiv="$equiv" -v secs=$(($(date +%s) - start)) '
    BEGIN { if (equiv != "") while ((getline l < equiv) > 0) { split(l, e, "\t"); eq[e[1] "\t" e[2]] = 1 } }
    $5 == "killed" || $5 == "timeout" { k++; m++; if (eq[$1 "\t" $2]) ek++ ; next }
    $5 == "survived" { m++; if (eq[$1 "\t" $2]) es++ ; next }
    { other[$5]++ }
    END {
        printf "score: %d killed of %d (%.1f %%)", k, m, m ? 100 * k / m : 0
        if (other["stillborn"]) printf ", %d stillborn", other["stillborn"]
        if (other["missing"]) printf ", %d missing", other["missing"]
        printf ", %d s\n", secs
        if (equiv != "") printf "without %d equivalent: %d killed of %d (%.1f %%)\n", es + ek, k - ek, m - es - ek, m - es - ek ? 100 * (k - ek) / (m - es - ek) : 0
    }' "$out" | tee -a "$out"
