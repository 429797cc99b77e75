#!/bin/bash
# The manual pages and the bash completion keep up with the programs: every option,
# command, page and function name that a program itself names (in its --help texts and
# its error messages) appears in its manual page and is offered by its completion.
# Exit 77 (skipped) without groff or bash-completion.
#   docscheck.sh <source dir> <man page dir> <labelsetup> <labelsetup-cli> <labelprinter-sim>
#                <labelsetup-cli's bash completion>
set -u
src=$1; mandir=$2; cli_completion=$(realpath "$6")
gui=$(realpath "$3"); cli=$(realpath "$4"); sim=$(realpath "$5")
command -v groff >/dev/null || { echo "skipped: groff is not installed"; exit 77; }
bashcompletion=/usr/share/bash-completion/bash_completion
[ -f "$bashcompletion" ] || { echo "skipped: bash-completion is not installed"; exit 77; }
status=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The page as a reader sees it, on long lines and without hyphenation.
rendered() { groff -man -Tascii -P-cbou -rLL=2000n -rHY=0 "$mandir/$1.1" 2>/dev/null; }
options_in() { grep -o -E -- '--[a-z][a-z0-9-]*' | sort -u; }

# What bash completion offers for the words of a command line (the last one is completed).
offered() {
    local file=$1; shift
    (
        source "$bashcompletion"
        source "$file"
        compopt() { :; } # only allowed while bash itself completes
        COMP_WORDS=("$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE="${COMP_WORDS[*]}"
        COMP_POINT=${#COMP_LINE}
        cd "$scratch" || exit 1
        local function
        function=$(complete -p "$(basename "$1")" | sed 's/.*-F \([^ ]*\) .*/\1/')
        "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf '%s\n' "${COMPREPLY[@]}"
    )
}
expect() { # <what> <word> <list>
    grep -qx -F -- "$2" <<<"$3" || { echo "$1 lacks $2"; status=1; }
}

# labelsetup-cli: options, commands, pages and function names.
cli_page=$(rendered labelsetup-cli)
help=$("$cli" --help)
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p' <<<"$help")
[ -n "$commands" ] || { echo "labelsetup-cli --help lists no command"; exit 1; }
all_help=$help
for command in $commands; do
    all_help+=$'\n'$("$cli" "$command" --help)
done
pages=$("$cli" read no-such-page 2>&1 | sed -n 's/.*(pages: \(.*\))$/\1/p' | tr -d ',')
functions=$("$cli" function 2>&1 | sed -n 's/.*(functions: \(.*\))$/\1/p' | tr -d ',')
[ -n "$pages" ] && [ -n "$functions" ] || { echo "labelsetup-cli names no page or no function"; exit 1; }

offered_options=$(offered "$cli_completion" labelsetup-cli --)
for option in $(options_in <<<"$all_help"); do
    expect "labelsetup-cli(1)" "$option" "$(options_in <<<"$cli_page")"
    expect "the completion of labelsetup-cli --" "$option" "$offered_options"
done
offered_commands=$(offered "$cli_completion" labelsetup-cli '')
for command in $commands; do
    grep -q -E "^ {7}$command( |$)" <<<"$cli_page" || { echo "labelsetup-cli(1) lacks the command $command"; status=1; }
    expect "the completion of labelsetup-cli" "$command" "$offered_commands"
done
offered_pages=$(offered "$cli_completion" labelsetup-cli --usb read '')
for page in $pages; do
    grep -q -w -- "$page" <<<"$cli_page" || { echo "labelsetup-cli(1) lacks the page $page"; status=1; }
    expect "the completion of labelsetup-cli read" "$page" "$offered_pages"
done
offered_functions=$(offered "$cli_completion" labelsetup-cli function '')
for function in $functions; do
    grep -q -w -- "$function" <<<"$cli_page" || { echo "labelsetup-cli(1) lacks the function $function"; status=1; }
    expect "the completion of labelsetup-cli function" "$function" "$offered_functions"
done
touch "$scratch/shop.json" "$scratch/firmware.hex"
expect "the completion of labelsetup-cli apply" shop.json \
    "$(offered "$cli_completion" labelsetup-cli apply '')"
expect "the completion of labelsetup-cli download firmware" firmware.hex \
    "$(offered "$cli_completion" labelsetup-cli download firmware '')"

# labelprinter-sim: options (Qt's own --help-all, -v and -h aside) and item names.
sim_page=$(rendered labelprinter-sim)
sim_completion=$src/resources/completion/labelprinter-sim
offered_options=$(offered "$sim_completion" labelprinter-sim --)
for option in $("$sim" --help | options_in); do
    expect "labelprinter-sim(1)" "$option" "$(options_in <<<"$sim_page")"
    expect "the completion of labelprinter-sim --" "$option" "$offered_options"
done
expect "the completion of labelprinter-sim --silent-items" labelGap \
    "$(offered "$sim_completion" "$sim" --silent-items label)"

# labelsetup: its few options.
gui_page=$(rendered labelsetup)
for option in $("$gui" --help | options_in); do
    expect "labelsetup(1)" "$option" "$(options_in <<<"$gui_page")"
done
exit $status
