# Sourced by the scripts in tools/: where the build and the project's Wine prefix live,
# and how Wine is run for this program.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$top/build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
# Code page 936, so that the Chinese texts of the wizard come out as written.
export LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
