#!/usr/bin/env bash
# brenlo-cli speaks one language: on a Japanese console (LANG=ja_JP.UTF-8,
# under Wine code page 932) no line of the documented situations holds an
# English word. What may stay ASCII: paths, options and their values, rule
# ids in brackets, file and program names, the JSON key path of a books file.
#
#   console_words_test.sh SOURCE_DIR CLI [RUNNER...]
set -u
source_dir=$1
cli=$(realpath "$2")
shift 2
runner=("$@")
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

[ -f "$cli" ] || { echo "no program $cli"; exit 1; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-words.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

golden=$source_dir/tests/e2e/golden
cp "$source_dir/samples/Books-blue.json" "$scratch/Books.json"
mkdir -p "$scratch/program"
cp "$source_dir/samples/NorvikDef.ini" "$source_dir/samples/SUPPORT.INF" "$scratch/program/"
echo '{' >"$scratch/broken.json"
echo '{"format": "books/1", "entries": [{"dataNo": "x"}]}' >"$scratch/wrong.json"
sed 's#>28477800<#>1,000<#' "$golden/blue-business.xml" >"$scratch/damaged.xml"
sed 's/"businessKind": 3/"businessKind": 2/' "$source_dir/samples/Books-blue.json" >"$scratch/estate.json"

# The words a line may keep: ASCII names of things, not sentences.
names='brenlo-cli|Books\.json|NorvikDef\.ini|SUPPORT\.INF|Brenlo(pro)?\.env|TOBRA_BOOKS|Shift_JIS|JSON|HTML|XML|Tellary|standard|business|other|real-estate|check|show|both|entries|dataNo|format'

# The English words left in a run's output once the names are taken out.
english_in() {
  sed -E -e "s/($names)//g" -e 's#[A-Za-z]:\\[^ ）)]*##g; s#/[^ ）)]*##g' \
    -e 's/--?[a-z][a-z-]*//g; s/\b[A-Z][A-Z0-9]*(-[A-Z0-9]+)+\b//g; s/\{[^}]*\}//g' \
    "$1" | grep -oE '[A-Za-z]{4,}' | sort -u | tr '\n' ' '
}

situation() {  # description, arguments...
  local what=$1
  shift
  (cd "$scratch" && "${runner[@]}" "$cli" "$@" >"$scratch/out" 2>&1 </dev/null)
  local words
  words=$(english_in "$scratch/out")
  check "$what: no English ($words)" [ -z "$words" ]
}

export_to() { echo "--books $scratch/$1 --program-folder $scratch/program --quiet --out $scratch/$2"; }

# shellcheck disable=SC2046
situation "an export" $(export_to Books.json r.xml) --yes
situation "an export and its check" $(export_to Books.json r.xml) --yes --check
situation "a kind the data lacks" $(export_to estate.json k.xml) --kind business --yes
situation "--out beside a host path" $(export_to Books.json o.xml) --command-line "1,2,7,$scratch/h.xml"
situation "a missing books file" $(export_to missing.json m.xml) --yes
situation "books that are no JSON" $(export_to broken.json m.xml) --yes
situation "books with a wrong value" $(export_to wrong.json m.xml) --yes
situation "the output over the books" $(export_to Books.json Books.json) --yes
situation "a folder refused" $(export_to Books.json "nofolder/x/r.xml") --no
situation "check" check "$golden/blue-business.xml"
situation "check --previous of another company" check "$golden/blue-business.xml" --previous "$golden/white-business.xml"
situation "check of a damaged report" check "$scratch/damaged.xml"
situation "check of a missing report" check "$scratch/missing.xml"
situation "check of a folder" check "$scratch/program"
situation "show" show "$golden/white-real-estate.xml"
situation "show over its report" show "$golden/blue-business.xml" --html "$golden/blue-business.xml"
situation "show over last year's" show "$scratch/r.xml" --previous "$golden/blue-business.xml" --html "$golden/blue-business.xml"
situation "show with another company's last year" show "$golden/blue-business.xml" --previous "$golden/white-business.xml"
situation "show into no folder" show "$golden/blue-business.xml" --html "$scratch/nofolder/p.html"
situation "an unknown option" --frob
situation "a value out of range" show "$golden/blue-business.xml" --width abc
situation "no report named" check
situation "--yes and --no" --yes --no
situation "--threshold alone" show "$golden/blue-business.xml" --threshold 5
situation "an export option with check" --kind other check "$golden/blue-business.xml"
situation "the help" --help
situation "check's help" check --help
situation "show's help" show --help
if [ ${#runner[@]} -eq 0 ] && [ -w /dev/full ]; then
  (cd "$scratch" && "$cli" check "$golden/blue-business.xml" >/dev/full 2>"$scratch/out")
  words=$(english_in "$scratch/out")
  check "a full standard output: no English ($words)" [ -z "$words" ]
fi

# The help's option texts all start in one column, within 80.
for command in "" check show; do
  # shellcheck disable=SC2086
  "${runner[@]}" "$cli" $command --help 2>&1 | tr -d '\r' >"$scratch/help"
  columns=$(python3 - "$scratch/help" <<'PY'
import sys, unicodedata
def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WFA" else 1 for c in text)
starts, widest = set(), 0
for line in open(sys.argv[1], encoding="utf-8").read().splitlines():
    widest = max(widest, width(line))
    body = line.rstrip()
    if line.startswith("  ") and len(body) > 2:
        stripped = body.lstrip(" ")
        indent = len(body) - len(stripped)
        if indent > 2:
            starts.add(indent)                       # a continued or a second line
        elif "  " in stripped:
            name, _, _ = stripped.partition("  ")
            starts.add(2 + width(name) + (len(stripped) - len(name) - len(stripped[len(name):].lstrip(" "))))
print(len(starts), widest)
PY
)
  check "${command:-brenlo-cli} --help: texts in one column within 80 ($columns)" \
    [ "${columns% *}" -eq 1 -a "${columns#* }" -le 80 ]
done

report_checks
