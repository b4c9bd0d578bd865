#!/bin/bash
# The suite at work against a simulated office: six printer NICs on
# 127.0.3.x (ready, printing, toner low, paper out in hopper 2, cover open,
# and one that does not answer), found and polled with nicctl, natively and
# as the Windows build under Wine; three of them also on a NetWare segment,
# found over IPX through the NetWare client stand-ins.
#   demo.sh <native-build> <windows-build>
set -euo pipefail
native=$1 windows=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../outside/netprovider/install-provider.sh"
state=$(mktemp -d)
pid=
folder_dll=$windows/nicconf/folder/nicconf.dll
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  if [ -f "$folder_dll" ]; then
    "$windows/wine-run" regsvr32.exe /s /u "$("$windows/wine-run" winepath.exe -w "$folder_dll" | tr -d '\r')" || true
    remove_network_provider "$windows/wine-run" || true
  fi
  "$windows/wine-run" --stop
  rm -rf "$state"
}
trap cleanup EXIT

"$native/tools/nicsim/nicsim" --config "$here/demo_network.ini" --jobs "$state/jobs" \
  --broadcast 127.0.3.255 --ipx-port-base 28000 </dev/null >"$state/out" 2>"$state/err" &
pid=$!
for _ in $(seq 100); do grep -qx ready "$state/out" && break; sleep 0.05; done
grep -qx ready "$state/out" || { cat "$state/err"; exit 1; }

nicctl=$native/tools/nicctl/nicctl
show() { echo; echo "\$ nicctl $*"; "$nicctl" "$@" || echo "(exit code $?)"; }

show search 127.0.3.1 10 --timeout 1
show search 127.0.3.255 --timeout 1
show status 127.0.3.2 00:80:87:03:00:02 127.0.3.3 00:80:87:03:00:03 \
            127.0.3.4 00:80:87:03:00:04 127.0.3.5 00:80:87:03:00:05 \
            127.0.3.6 00:80:87:03:00:06 127.0.3.7 00:80:87:03:00:07 --timeout 1
show search 127.0.3.1 999

echo
echo "\$ wine nicctl.exe status 127.0.3.5 00:80:87:03:00:05   (the Windows build, Shift_JIS on its console)"
"$windows/wine-run" --start
"$windows/wine-run" "$windows/tools/nicctl/nicctl.exe" status 127.0.3.5 00:80:87:03:00:05 --timeout 1 |
  iconv -f CP932 -t UTF-8 || true

# The NetWare client's view of the segment: this workstation and the
# printers' stations on network C0DE, one on the branch network B0B.
cat >"$state/segment.txt" <<'SEGMENT'
local 0000C0DE 00001B000001
station 0000C0DE 008087030002
station 0000C0DE 008087030003
station 0000C0DE 008087030004
station 00000B0B 008087030006
port 28000
SEGMENT
export NWIPX_SEGMENT
NWIPX_SEGMENT=$("$windows/wine-run" winepath.exe -w "$state/segment.txt" | tr -d '\r')
showipx() {
  echo
  echo "\$ wine nicctl.exe ipx $*   (NetWare printers over IPX)"
  "$windows/wine-run" "$windows/tools/nicctl/nicctl.exe" ipx "$@" | iconv -f CP932 -t UTF-8 ||
    echo "(exit code ${PIPESTATUS[0]})"
}
showipx search --timeout 1
showipx search B0B --timeout 1
showipx status C0DE 00:80:87:03:00:04 --timeout 1
showipx read C0DE 00:80:87:03:00:02 --timeout 1

echo
echo "\$ regsvr32 nicconf.dll   (the printer folder, on a workstation with a network client)"
install_network_provider "$windows/wine-run" "$windows/outside/netprovider/netprovider.dll"
"$windows/wine-run" regsvr32.exe /s "$("$windows/wine-run" winepath.exe -w "$folder_dll" | tr -d '\r')"
"$windows/wine-run" reg.exe query 'HKLM\SOFTWARE\NRV\Prindora\NameSpace' /s | iconv -f CP932 -t UTF-8 || true
