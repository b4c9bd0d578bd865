#!/bin/bash
# The installer as an administrator's script runs it: silently, in a Wine
# prefix of the test's own. After an install the spooler lists the monitor
# and routes a port of ours to it, both COM servers can be created, the
# service runs and "maintsvc -debug" polls through the installed plug-in;
# an install over it keeps the printer list; the uninstaller then leaves the
# registry as it was before (what Wine itself changes aside) and no file but
# the printer list it keeps, which a purging install and uninstall take too.
#   install_uninstall.sh <nicsuite-setup.exe> <install_check.exe> <state-dir>
set -euo pipefail
setup=$1 check=$2 state=$3
here=$(cd "$(dirname "$0")" && pwd)
# ./run build and ./run test make the installer; a bare ctest run skips.
[ -f "$setup" ] || { echo "no installer at $setup: ./run build makes it" >&2; exit 77; }
rm -rf "$state" && mkdir -p "$state"
export WINEPREFIX=$state/prefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
unset DISPLAY
trap 'wineserver -k 2>/dev/null || true' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

wine wineboot -i >/dev/null 2>&1
wineserver -w
# One server for the whole test, so the service outlives each command.
wineserver -p
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
cp "$check" "$state/install_check.exe"
check() { wine "$(winepath -w "$state/install_check.exe" 2>/dev/null)" "$@"; }
program_files=$state/prefix/drive_c/Program\ Files
installed=$program_files/NRV/Prindora
view() { wine regedit /E "$(winepath -w "$state/$1.reg" 2>/dev/null)" HKEY_LOCAL_MACHINE; python3 "$here/registry_view.py" "$state/$1.reg" >"$state/$1.txt"; }
value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
# The uninstaller hands itself to a copy in the temporary folder and ends;
# its work is done once the copy has gone too.
uninstall() {
  wine "C:\\Program Files\\NRV\\Prindora\\uninstall.exe" /S "$@" || fail "the uninstaller"
  for _ in $(seq 100); do [ -e "$installed/uninstall.exe" ] || break; sleep 0.2; done
  for _ in $(seq 50); do pgrep -f 'Au_\.exe|~nsu' >/dev/null || break; sleep 0.2; done
  sleep 1
}

view before
echo "== install"
wine "$setup" /S || fail "setup exited $?"
check monitor || fail "the spooler does not list the monitor"
wine reg add 'HKLM\System\CurrentControlSet\Control\Print\Monitors\NRV Network Port\Ports' /v 127.0.0.5 /t REG_DWORD /d 0 /f >/dev/null
wine reg add 'HKLM\System\CurrentControlSet\Control\Print\Monitors\NRV Network Port\Ports\127.0.0.5' /f >/dev/null
check port 127.0.0.5 || fail "the spooler does not route our port to the monitor"
check com || fail "the folder's or maintui's class cannot be created"
wine sc query NRVRMM | grep -q RUNNING || fail "the service does not run"
[ "$(value 'HKLM\SOFTWARE\NRV\Prindora\Printers\LP-9800C' RMMDLL)" = 'C:\Program Files\NRV\Prindora\rmmmodel.dll' ] ||
  fail "the model key"
[ "$(value 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Prindora 1.2' UninstallString)" = \
  '"C:\Program Files\NRV\Prindora\uninstall.exe"' ] || fail "the uninstall entry"
[ -d "$installed/log" ] || fail "the log folder"

echo "== maintsvc -debug polls through the installed plug-in"
printer='HKLM\System\CurrentControlSet\Control\Print\Printers\INSTALL-TEST'
store='HKLM\SOFTWARE\NicSuite\StatusManager\INSTALL-TEST'
for pair in "Name|INSTALL-TEST" "Port|LPT1:" "Printer Driver|NRV LP-9800C" "Print Processor|winprint" "Datatype|RAW"; do
  wine reg add "$printer" /v "${pair%%|*}" /d "${pair#*|}" /f >/dev/null
done
wine reg add "$printer" /v Attributes /t REG_DWORD /d 0x840 /f >/dev/null
# The status manager stand-in knows the printer, ready.
wine reg add "$store" /v PrinterStatus /t REG_BINARY /d 000000000000000001000000 /f >/dev/null
for pair in DAV_NAME=Admin DAV_MAIL=admin@office.test DAV_MSERVER=127.0.0.9; do
  wine reg add 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null
done
# Without an interval the debug run polls once and ends.
interval=$(value 'HKLM\SOFTWARE\NRV\Prindora\DAV' RMMTIME)
wine reg delete 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v RMMTIME /f >/dev/null
timeout 60 wine "C:\\Program Files\\NRV\\Prindora\\maintsvc.exe" -debug | grep -q "Debugging" || fail "maintsvc -debug"
wine reg add 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v RMMTIME /t REG_DWORD /d "$interval" /f >/dev/null
[ -n "$(value "$store" Opens)" ] || fail "the plug-in did not open the printer's status"
wine reg delete "$printer" /f >/dev/null
wine reg delete 'HKLM\SOFTWARE\NicSuite' /f >/dev/null
for name in DAV_NAME DAV_MAIL DAV_MSERVER; do wine reg delete 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v $name /f >/dev/null; done
wine reg delete 'HKLM\System\CurrentControlSet\Control\Print\Monitors\NRV Network Port\Ports' /f >/dev/null

echo "== an install over it keeps the printer list"
printf 'KEEP,,00:80:87:00:00:01,127.0.0.6,00000000,,,TCP/IP,0,0\r\n' >"$installed/nicconf.nic"
wine "$setup" /S || fail "the second setup exited $?"
wine sc query NRVRMM | grep -q RUNNING || fail "the service does not run after the second install"
[ -f "$installed/nicconf.nic" ] || fail "the second install lost the printer list"

echo "== uninstall"
uninstall
view after
diff "$state/before.txt" "$state/after.txt" || fail "the registry differs from before the install"
left=$(cd "$program_files" && find NRV -type f | sort)
[ "$left" = "NRV/Prindora/nicconf.nic" ] || fail "left behind: $left"
[ ! -e "$state/prefix/drive_c/windows/system32/portmonnt4.dll" ] || fail "the monitor's file stays"

echo "== install and a purging uninstall leave nothing"
wine "$setup" /S || fail "the third setup exited $?"
uninstall /PURGE
[ ! -e "$program_files/NRV" ] || fail "left behind: $(cd "$program_files" && find NRV)"
view purged
diff "$state/before.txt" "$state/purged.txt" || fail "the registry differs after the purging uninstall"

echo "== a step that fails stops the install, names itself and is undone"
blocker=$state/prefix/drive_c/windows/system32/portmonnt4.dll
mkdir "$blocker"  # the monitor's file cannot be written
status=0
wine "$setup" /S || status=$?
rmdir "$blocker"
[ "$status" = 2 ] || fail "a failed install exited $status"
log=$(find "$state/prefix/drive_c/users" -name Prindora-setup.log | head -1)
[ -n "$log" ] && iconv -f UTF-16LE -t UTF-8 "$log" | grep -q "ファイルのコピー" ||
  fail "the failed step is not named in the setup log"
[ ! -e "$program_files/NRV" ] || fail "the failed install left: $(cd "$program_files" && find NRV)"
view failed
diff "$state/before.txt" "$state/failed.txt" || fail "the failed install left registry entries"
echo "== passed"
