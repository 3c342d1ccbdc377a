#!/usr/bin/env bash
# man_page_options.sh PROGRAM MAN_PAGE: the options PROGRAM --help lists and the entries under
# the manual page's OPTIONS (MAN_PAGE: troff source, gzipped or not) are the same set, so that
# an option added to the runner without its entry, or one removed and left in the page, fails.
set -euo pipefail
program=$1
page=$2

# The option table of --help: lines led by two spaces and an option.
help_options=$("$program" --help | sed -n -E 's/^  (--[a-z][a-z-]*).*/\1/p' | sort -u)
# The manual's entries: the line after each .TP of the OPTIONS section, troff's \- made -.
man_options=$(zcat -f "$page" | awk '
    /^\.SH / { in_options = ($2 == "OPTIONS") }
    in_options && after_tp { print }
    { after_tp = ($1 == ".TP") }' |
    sed -e 's/\\-/-/g' | sed -n -E 's/^\.BI? +"?(--[a-z][a-z-]*).*/\1/p' | sort -u)

if [ -z "$help_options" ]; then
    echo "no option found in $program --help" >&2
    exit 1
fi
if [ "$help_options" != "$man_options" ]; then
    echo "the options of $program --help and of $page differ (< --help, > manual page):" >&2
    diff <(echo "$help_options") <(echo "$man_options") >&2 || true
    exit 1
fi
echo "$(echo "$help_options" | wc -l) options, each in --help and in the manual page"
