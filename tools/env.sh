# Sourced by the scripts in tools/: where the build and the project's Wine prefix live,
# and how Wine is run for this program.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The tests and the wizard each keep a prefix of their own (SETUP_WINEPREFIX chooses).
export WINEPREFIX="${SETUP_WINEPREFIX:-$top/build/wineprefix}"
# The 32-bit build runs on 32-bit Wine; the 64-bit twin of the tests (SETUP_WINEARCH=win64)
# on 64-bit Wine, through its own loader, so that none of it runs under emulation.
export WINEARCH="${SETUP_WINEARCH:-win32}"
if [ "$WINEARCH" = win64 ]; then
  mkdir -p "$top/build/wine64-bin"
  for name in wine wine-stable; do
    [ -x "$top/build/wine64-bin/$name" ] && continue
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$top/build/wine64-bin/$name"
    chmod +x "$top/build/wine64-bin/$name"
  done
  export PATH="$top/build/wine64-bin:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
fi
export WINEDEBUG=-all
# Code page 936, so that the Chinese texts of the wizard come out as written.
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko: the wizard needs neither, and there is nothing to download them from.
export WINEDLLOVERRIDES="mscoree,mshtml="
