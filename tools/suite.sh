# Sourced by the scripts in tools/ that run Windows programs of the build: which Wine runs
# them. 32-bit Wine runs the real, 32-bit setup.exe. Where the kernel runs no 32-bit
# programs, 32-bit Wine runs only under QEMU's user-mode emulator, and every process takes
# about a minute of processor time to start; there the same program and tests built as
# 64-bit code (the win64 preset) run on 64-bit Wine. SETUP_WINE_SUITE=win32 or win64 chooses.
# Sets suite to the preset, and SETUP_WINEARCH for tools/env.sh.
suite=${SETUP_WINE_SUITE:-}
if [ -z "$suite" ]; then
  if [ -r /proc/sys/fs/binfmt_misc/qemu-i386 ] &&
     head -n1 /proc/sys/fs/binfmt_misc/qemu-i386 | grep -qx enabled; then
    suite=win64
  else
    suite=win32
  fi
fi
export SETUP_WINEARCH=$suite
