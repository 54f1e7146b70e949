#!/usr/bin/env bash
# lumox-cli's bash completion, run as bash runs it: each line typed so far and the words
# it must offer.
set -u
source_dir="$1"
shopt -s extglob
# shellcheck source=/dev/null
source "$source_dir/desktop/completion/lumox-cli"
cd "$source_dir/examples" || exit 1
failed=0
expect() {
    local line="$1" want="$2"
    read -r -a COMP_WORDS <<< "$line"
    [[ "$line" == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _lumox_cli
    local got="${COMPREPLY[*]}"
    if [[ "$got" != "$want" ]]; then
        echo "FAILED: '$line' offered '$got', expected '$want'"
        failed=1
    fi
}
expect "lumox-cli longley.dat --describe Un" "Unemployed"
expect "lumox-cli longley.dat --scatter G" "GNPDeflator GNP"
expect "lumox-cli --yes longley.dat --simple Year Em" "Employed"
expect "lumox-cli longley.dat --simple Year Employed best" "best-r2 best-se"
expect "lumox-cli longley.dat --reports equation,an" "equation,anova"
expect "lumox-cli longley.dat --reports dia" "diagnostics"
expect "lumox-cli longley.dat --gr" "--grid"
expect "lumox-cli longley.dat --points " "small large"
expect "lumox-cli longley.dat --format " "text json"
expect "lumox-cli longley.dat --fo" "--format"
expect "lumox-cli longley.d" "longley.dat"
expect "lumox-cli book.xlsx --sh" "--sheet"
expect "lumox-cli book.xlsx --sheet " ""
exit $failed
