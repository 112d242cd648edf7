#!/usr/bin/env bash
# The signed setup.exe that the test release_signed made still runs under Wine: page 1
# shows, and Cancel ends it with 1602.
#   signed_release_runs_test.sh PATH/setup.exe PATH/wizard_cancel_check.exe
set -euo pipefail
exe=$1
check=$2
. "$(dirname "$0")/../../tools/env.sh"
[ -f "$exe" ] || { echo "no release at $exe" >&2; exit 1; }
wine "$check" "$(winepath -w "$exe")"
