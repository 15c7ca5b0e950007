#!/usr/bin/env bash
# The installed program starts and prints from its installed place: installs
# the build into a prefix of its own, starts the program there with
# printprobe.cpp preloaded, which presses a print button, and checks that the
# print module came from the prefix. With the test command's own print
# system (CUPS_SERVER and QUORVIL_PDF_OUT, see scripts/test) it also waits
# for the one-page PDF; without it, the print dialog must have asked.
# Usage: installed.sh CMAKE BUILD_DIR PROBE_LIBRARY
set -euo pipefail
cmake=$1 build=$2 probe=$3

prefix=$(mktemp -d /tmp/quorvil-installed.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "installed program: $*" >&2
    [[ -f "$prefix/run.log" ]] && { echo "---- what the program said" >&2; cat "$prefix/run.log" >&2; }
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" > "$prefix/install.log" || fail "cmake --install failed: $(cat "$prefix/install.log")"
program=$prefix/bin/quorvil
[[ -x "$program" ]] || fail "no program at $program"

pdf_out=
if [[ -n "${CUPS_SERVER:-}" && -n "${QUORVIL_PDF_OUT:-}" ]]; then
    pdf_out=$QUORVIL_PDF_OUT
    mkdir -p "$pdf_out"
    ls "$pdf_out" > "$prefix/pdfs-before"
else
    # No print system of the test's own: never reach the machine's printer.
    export CUPS_SERVER=/nonexistent/quorvil-no-cups.sock
fi

# In the sanitizer build the preloaded probe comes before the sanitizer's
# runtime, and LeakSanitizer's check at exit dies without a word in such a
# process; leaks are the other tests' business, this one is about the
# installed program's place.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0"
status=0
(cd "$prefix" && QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" timeout 120 "$program") > "$prefix/run.log" 2>&1 || status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status"
grep -q "^printprobe: main window shown$" "$prefix/run.log" || fail "the main window was not shown"
grep -q "^printprobe: pressing print in " "$prefix/run.log" || fail "no print button was pressed"
module=$(sed -n 's/^printprobe: print module //p' "$prefix/run.log")
[[ -n "$module" ]] || fail "the print module was not loaded"
[[ "$(realpath "$module")" == "$(realpath "$prefix")"/* ]] || fail "the print module came from $module, not from $prefix"
if grep -q "^printing: " "$prefix/run.log"; then fail "printing complained"; fi

if [[ -z "$pdf_out" ]]; then
    grep -q "^printprobe: print dialog QPrintDialog$" "$prefix/run.log" || fail "no printer, and the print dialog did not ask"
    echo "the installed program started and loaded $module; no print system, so the print dialog asked"
    exit 0
fi
if grep -q "^printprobe: print dialog" "$prefix/run.log"; then fail "the print dialog asked although there is a default printer"; fi
for _ in $(seq 360); do
    for f in "$pdf_out"/*.pdf; do
        [[ -e "$f" ]] || continue
        grep -qxF "$(basename "$f")" "$prefix/pdfs-before" && continue
        if info=$(pdfinfo "$f" 2>/dev/null); then
            grep -Eq "^Pages: +1$" <<< "$info" || fail "the PDF $f has not one page: $info"
            rm -f "$f"
            echo "the installed program started, loaded $module and printed one page"
            exit 0
        fi
    done
    sleep 0.25
done
fail "no PDF arrived from the print system"
