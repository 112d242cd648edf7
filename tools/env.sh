# Sourced by the scripts in tools/: where the build and the project's Wine prefix live,
# and how Wine is run for this program.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The tests and the wizard each keep a prefix of their own (SETUP_WINEPREFIX chooses).
export WINEPREFIX="${SETUP_WINEPREFIX:-$top/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
# Code page 936, so that the Chinese texts of the wizard come out as written.
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko: the wizard needs neither, and there is nothing to download them from.
export WINEDLLOVERRIDES="mscoree,mshtml="
