#!/bin/bash
# The 32-bit builds in dist/x86, which nothing here can run, checked as
# their callers will meet them: every file is a 32-bit PE, and each entry a
# spooler, the agents, the shell or the mail notification module finds by
# name is exported under that plain name.
#   x86_exports.sh <dist/x86>
set -euo pipefail
dist=$1
[ -d "$dist" ] || { echo "no 32-bit build in $dist: ./run build makes it" >&2; exit 77; }
failed=0
for file in "$dist"/*.dll "$dist"/*.exe "$dist"/tools/*.exe; do
  i686-w64-mingw32-objdump -f "$file" | grep -q 'file format pei-i386' || { echo "not 32-bit: $file"; failed=1; }
done
exports() { i686-w64-mingw32-objdump -p "$dist/$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NR > 1 { print $NF }'; }
expect() {
  local file=$1 name
  shift
  for name in "$@"; do
    exports "$file" | grep -qx "$name" || { echo "$file does not export $name"; failed=1; }
  done
}
expect portmonnt4.dll InitializePrintMonitor2 InitializeMonitorEx
expect portmon95.dll InitializeMonitorEx
expect portmonnt3.dll InitializeMonitor OpenPort StartDocPort WritePort EndDocPort ClosePort
expect printproc.dll InitializePrintProcessor OpenPrintProcessor PrintDocumentOnPrintProcessor ClosePrintProcessor
expect alertmail.dll DAVSendMail
expect rmmmodel.dll DavDllMain
expect rmmmodelui.dll DavUiDllMain UpdateColumnCall
expect nicconf.dll DllGetClassObject DllRegisterServer CreatePrinterBitmap OpenPrinterSettings
expect maintui.dll DllGetClassObject DllRegisterServer DllUnregisterServer DllCanUnloadNow
expect maintagent.exe ServiceStartUpDelay WaitForSDB CreateThreadInterval CreateThreadInterval2
expect statusmgr.dll OpenManagerExA GetPrinterStatusA CloseManager
expect menuhelper.dll MergeMenus MergeMenus@28 CreateCompositeMenu
exit $failed
