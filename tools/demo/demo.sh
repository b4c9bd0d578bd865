#!/bin/bash
# The suite at work against a simulated office: six printer NICs on
# 127.0.3.x (ready, printing, toner low, paper out in hopper 2, cover open,
# and one that does not answer), found and polled with nicctl, natively and
# as the Windows build under Wine; three of them also on a NetWare segment,
# found over IPX through the NetWare client stand-ins. Then the print path
# (a raw job through Wine's spooler and the NT monitor, byte for byte;
# collated copies through the 95 monitor; a dispatch queue's choice) and a
# toner-out alarm from the service's poll to the mail the server received.
#   demo.sh <native-build> <windows-build>
set -euo pipefail
native=$1 windows=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../outside/netprovider/install-provider.sh"
state=$(mktemp -d)
pid=
folder_dll=$windows/nicconf/folder/nicconf.dll
sink=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  [ -n "$sink" ] && kill "$sink" 2>/dev/null && wait "$sink" 2>/dev/null || true
  remove_alarm_setup || true
  if [ -f "$folder_dll" ]; then
    "$windows/wine-run" regsvr32.exe /s /u "$("$windows/wine-run" winepath.exe -w "$folder_dll" | tr -d '\r')" || true
    remove_network_provider "$windows/wine-run" || true
  fi
  "$windows/wine-run" --stop
  rm -rf "$state"
}
# What the toner alarm below writes into the prefix's registry, taken away
# again at the end.
alarm_printer='HKLM\System\CurrentControlSet\Control\Print\Printers\NRV demo alarm'
alarm_model='HKLM\SOFTWARE\NRV\Prindora\Printers\LP-DEMO'
alarm_status='HKLM\SOFTWARE\NicSuite\StatusManager\NRV demo alarm'
remove_alarm_setup() {
  [ -n "${alarm_added:-}" ] || return 0
  local key
  for key in "$alarm_printer" "$alarm_model" "$alarm_status" 'HKLM\SOFTWARE\NRV\Prindora\DAV' \
             'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Prindora 1.2' \
             'HKLM\SOFTWARE\NicSuite\Development'; do
    "$windows/wine-run" reg.exe delete "$key" /f >/dev/null 2>&1 || true
  done
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

# The print path, as the spooler, the 95 spooler and a dispatch queue use
# the suite's monitors and print processor.
demo_jobs=$windows/tools/demo/demo_jobs.exe
winpath() { "$windows/wine-run" winepath.exe -w "$1" | tr -d '\r'; }
newest_job() { ls -t "$state/jobs/$1"-*.prn 2>/dev/null | head -1; }
settle_job() {
  local file size=-1
  for _ in $(seq 50); do
    file=$(newest_job "$1")
    if [ -n "$file" ] && [ "$(stat -c %s "$file")" = "$size" ]; then break; fi
    [ -n "$file" ] && size=$(stat -c %s "$file")
    sleep 0.1
  done
  echo "$file"
}

echo
echo "\$ a 300 kB raw job through Wine's spooler and portmonnt4.dll to SOUMU-LP1 (127.0.3.2)"
head -c 300000 /dev/urandom >"$state/job.bin"
"$windows/wine-run" "$demo_jobs" spooler 127.0.3.2 "$(winpath "$state/job.bin")"
received=$(settle_job 127.0.3.2)
echo "  sent:     $(stat -c %s "$state/job.bin") bytes  sha256 $(sha256sum <"$state/job.bin" | cut -c1-16)…"
echo "  received: $(stat -c %s "$received") bytes  sha256 $(sha256sum <"$received" | cut -c1-16)…"
cmp -s "$state/job.bin" "$received" && echo "  byte for byte the same" || echo "  THE PRINTER GOT OTHER BYTES"

echo
echo "\$ collated copies through portmon95.dll to EIGYO-LP2 (127.0.3.3)"
"$windows/wine-run" "$demo_jobs" collate 127.0.3.3 3
received=$(settle_job 127.0.3.3)
echo "  the printer received $(stat -c %s "$received") bytes"

echo
echo "\$ a job on a dispatch queue of two printers through printproc.dll"
mkdir -p "$state/pool"
"$windows/wine-run" "$demo_jobs" dispatch "$(winpath "$state/pool")"
for port in "$state/pool"/*.prn; do echo "  $(basename "$port"): $(stat -c %s "$port") bytes"; done

echo
echo "\$ a toner-out alarm: maintsvc -debug polls a local printer of the maker, rmmmodel.dll finds"
echo "  the toner out (the status manager stand-in says so), alertmail.dll mails the recording server"
if ! "$native/tools/smtpsink/smtpsink" --listen 127.0.3.250:25 --record "$state/mail" --mode accept \
     </dev/null >"$state/sink.out" 2>"$state/sink.err" & then :; fi
sink=$!
mkdir -p "$state/mail" "$state/agent"
for _ in $(seq 100); do grep -qx ready "$state/sink.out" 2>/dev/null && break; sleep 0.05; done
if ! grep -qx ready "$state/sink.out"; then
  echo "  (skipped: the mail server could not listen on port 25: $(cat "$state/sink.err"))"
  exit 0
fi
# The agent's folder as the installer lays it out: the service with the
# mail sender and the status manager beside it, and the model's plug-in.
for file in agent/maintsvc/maintsvc.exe alertmail/alertmail.dll outside/statusmgr/statusmgr.dll rmmmodel/rmmmodel.dll; do
  cp "$windows/$file" "$state/agent/"
done
agent=$(winpath "$state/agent")
alarm_added=1
reg() { "$windows/wine-run" reg.exe add "$@" /f >/dev/null; }
reg "$alarm_printer" /v Name /d "NRV demo alarm"
reg "$alarm_printer" /v Port /d LPT1:
reg "$alarm_printer" /v "Printer Driver" /d "NRV LP-DEMO"
reg "$alarm_printer" /v "Print Processor" /d winprint
reg "$alarm_printer" /v Datatype /d RAW
reg "$alarm_printer" /v Attributes /t REG_DWORD /d 0x840
reg "$alarm_printer\\PrinterDriverData" /v DAV_CHECKMAIL /t REG_DWORD /d 1
reg "$alarm_printer\\PrinterDriverData" /v DAV_TONERTO /d service@office.example.jp
reg "$alarm_printer\\PrinterDriverData" /v DAV_TONERCOMMENT /d "受付のプリンタです。予備のトナーは書庫にあります。"
reg "$alarm_model" /v RMMSUPPORT /t REG_DWORD /d 1
reg "$alarm_model" /v RMMDLL /d "$agent\\rmmmodel.dll"
reg 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v DAV_NAME /d "山田 太郎"
reg 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v DAV_MAIL /d yamada.taro@office.example.jp
reg 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v DAV_MSERVER /d 127.0.3.250
reg 'HKLM\SOFTWARE\NRV\Prindora\DAV' /v DAV_SUBJECT /d "[PD Report] トナー切れ"
reg 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Prindora 1.2' /v UninstallString /d "$agent\\uninstall.exe"
reg 'HKLM\SOFTWARE\NicSuite\Development' /v MailPauseMs /t REG_DWORD /d 0
reg "$alarm_status" /v PrinterStatus /t REG_BINARY /d 000000000000000003000000
"$windows/wine-run" "$state/agent/maintsvc.exe" -debug
mail=$(ls "$state/mail"/session-*.txt 2>/dev/null | head -1)
[ -n "$mail" ] || { echo "  no mail arrived"; exit 1; }
echo "  the mail as the server received it, read with Python's own MIME decoder:"
python3 - "$mail" <<'PYTHON'
import email, email.policy, sys
session = open(sys.argv[1], "rb").read()
start = session.index(b"DATA\r\n") + 6
end = session.index(b"\r\n.\r\n", start)
message = email.message_from_bytes(session[start:end], policy=email.policy.default)
for field in ("From", "To", "Subject"):
    print(f"    {field}: {message[field]}")
for line in message.get_content().splitlines():
    if line.strip():
        print(f"    | {line}")
PYTHON
