# Writes the sample driver package: a "win2k" folder with a placeholder for every file the
# wizard copies for any of its eight models. The placeholders are not driver files; they let
# the wizard be tried and tested without one. Run with -DOUT=<folder>.
if(NOT OUT)
  message(FATAL_ERROR "sample_package.cmake needs -DOUT=<folder>")
endif()

set(files
  # the models' resource DLLs and GPD files
  Z21.DLL Z34.DLL Z47.DLL Z472.DLL
  Z21A.GPD Z21K.GPD Z21M.GPD Z34.GPD Z34F.GPD Z47A.GPD Z49B.GPD Z52B.GPD
  # the Unidrv files every model needs
  uniDRVui.DLL uniDRV.DLL UNIDRV.HLP UNIRES.DLL TTFSUB.GPD STDNAMES.GPD)

file(MAKE_DIRECTORY ${OUT}/win2k)
foreach(name IN LISTS files)
  file(WRITE ${OUT}/win2k/${name}
       "PLACEHOLDER ${name}\r\nSample driver package of the ZILT setup wizard. This is not a driver file: it only lets the wizard be tried and tested.\r\n")
endforeach()
