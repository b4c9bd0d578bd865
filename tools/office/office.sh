# The demo office and the suite set up in a Wine prefix of its own, as an
# administrator would set up a workstation, for a person to use
# (./run gui) or for the screenshots (./run screenshots). Sourced:
#
#   office_start <native-build> <windows-build> <state-dir> <display> [unmanaged]
#   office_wine <program> [arguments...]    a Windows program in the prefix
#   office_stop
#
# The office (office_network.ini): ten printers on 127.0.3.x in several
# states (one silent, two on remote-power NICs, two not yet registered) and
# a NetWare segment, answered by the suite's own simulator; a recording mail server on 127.0.3.250; three local printers
# for the spooler, two of the maker's on the suite's ports.

OFFICE_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
OFFICE_ROOT=$(cd "$OFFICE_HERE/../.." && pwd)
. "$OFFICE_ROOT/outside/netprovider/install-provider.sh"

office_wine() {
  WINEPREFIX=$OFFICE_PREFIX WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 DISPLAY=$OFFICE_DISPLAY \
    NWIPX_SEGMENT='C:\nrv\segment.txt' wine "$@"
}

# The Windows build's file of that name (deliverable or stand-in).
office_file() {
  local found
  found=$(find "$OFFICE_WINDOWS" -name "$1" -not -path '*/wineprefix/*' -not -path '*/CMakeFiles/*' | head -1)
  [ -n "$found" ] || { echo "office: no $1 in $OFFICE_WINDOWS" >&2; return 1; }
  echo "$found"
}

office_wait_ready() {
  local out=$1 err=$2
  for _ in $(seq 200); do grep -qx ready "$out" 2>/dev/null && return 0; sleep 0.05; done
  cat "$err" >&2
  return 1
}

office_start_simulators() {
  "$OFFICE_NATIVE/tools/nicsim/nicsim" --config "$OFFICE_HERE/office_network.ini" \
    --jobs "$OFFICE_STATE/jobs" --broadcast 127.0.3.255 --ipx-port-base 28200 \
    </dev/null >"$OFFICE_STATE/nicsim.out" 2>"$OFFICE_STATE/nicsim.err" &
  OFFICE_PIDS+=($!)
  office_wait_ready "$OFFICE_STATE/nicsim.out" "$OFFICE_STATE/nicsim.err" || return 1
  mkdir -p "$OFFICE_STATE/mail"
  "$OFFICE_NATIVE/tools/smtpsink/smtpsink" --listen 127.0.3.250:2525 --record "$OFFICE_STATE/mail" --mode accept \
    </dev/null >"$OFFICE_STATE/smtpsink.out" 2>"$OFFICE_STATE/smtpsink.err" &
  OFFICE_PIDS+=($!)
  office_wait_ready "$OFFICE_STATE/smtpsink.out" "$OFFICE_STATE/smtpsink.err"
}

# A prefix of its own; without a window manager (Xvfb) Wine draws the
# frames itself.
office_make_prefix() {
  rm -rf "$OFFICE_PREFIX"
  office_wine wineboot -i >/dev/null 2>&1
  if [ "$OFFICE_UNMANAGED" = unmanaged ]; then
    office_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
    office_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  fi
  # Wine draws the caption buttons with Marlett; a prefix without it in its
  # own fonts shows their letters instead.
  local marlett
  for marlett in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
    [ -f "$marlett" ] && cp "$marlett" "$OFFICE_PREFIX/drive_c/windows/Fonts/" && break
  done
  # The mail server listens where no privilege is needed.
  sed -i 's|^smtp\([[:space:]]\+\)25/tcp|smtp\12525/tcp|' \
    "$OFFICE_PREFIX/drive_c/windows/system32/drivers/etc/services"
}

office_copy_suite() {
  local app=$OFFICE_PREFIX/drive_c/nrv file
  mkdir -p "$app"
  for file in nicconf.dll maintui.dll rmmmodelui.dll rmmmodel.dll alertmail.dll maintsvc.exe menuhelper.dll \
              picture_plugin.dll statusmgr.dll route.exe arp.exe nwsipx32.dll calwin32.dll netwin32.dll \
              installer_keys.exe folderhost.exe winctl.exe settings_gallery.exe; do
    cp "$(office_file "$file")" "$app/"
  done
  # The folder's list: the office's six printers, never refreshed yet.
  printf '%s\r\n' \
    "SOUMU-LP1,,00:80:87:03:00:02,127.0.3.2,00000000,,,TCP/IP,0,0" \
    "EIGYO-LP2,,00:80:87:03:00:03,127.0.3.3,00000000,,,TCP/IP,0,0" \
    "KAIHATSU-LP3,,00:80:87:03:00:04,127.0.3.4,00000000,,,TCP/IP,0,0" \
    "KEIRI-LP4,,00:80:87:03:00:05,127.0.3.5,00000000,,,TCP/IP,0,0" \
    "SEKKEI-LP5,,00:80:87:03:00:06,127.0.3.6,00000000,,,TCP/IP,0,0" \
    "SOUKO-LP6,,00:80:87:03:00:07,127.0.3.7,00000000,,,TCP/IP,0,0" \
    "DENGEN-LP9,,0A:5E:91:03:00:0A,127.0.3.10,00000000,,,TCP/IP,0,0" \
    "DENGEN-LP10,,0A:5E:91:03:00:0B,127.0.3.11,00000000,,,TCP/IP,0,0" >"$app/nicconf.nic"
  printf '[PROPERTY TIME]\r\nREFRESHCYCLE=3\r\nBUSYTIMEOUT=2\r\n[PROPERTY DISPLAY]\r\n' >"$app/nicconf.ini"
  local column
  for column in NAME MODEL MACADDRESS IPADDRESS NETWORKNUMBER VERSION STATUS; do
    printf '%s=TRUE\r\n' "$column" >>"$app/nicconf.ini"
  done
  printf 'local 0000C0DE 00001B000001\nstation 0000C0DE 008087030002\nstation 0000C0DE 008087030003\n%s\n%s\n' \
    'station 0000C0DE 008087030004' 'port 28200' >"$app/segment.txt"
}

# What the installer and an administrator write: the suite's COM servers,
# the models' keys, the mail settings, the spooler's local printers.
office_register() {
  install_network_provider office_wine "$(office_file netprovider.dll)"
  office_wine regsvr32 /s 'C:\nrv\nicconf.dll'
  office_wine regsvr32 /s 'C:\nrv\maintui.dll'
  local model
  for model in LP-9800C LP-8800; do
    office_wine 'C:\nrv\installer_keys.exe' --model "$model" --plugin 'C:\nrv\rmmmodel.dll' \
      --pages 'C:\nrv\rmmmodelui.dll' --install-dir 'C:\nrv' >/dev/null
  done
  iconv -f UTF-8 -t UTF-16LE "$OFFICE_HERE/office.reg" | { printf '\xff\xfe'; cat; } >"$OFFICE_STATE/office.reg"
  office_wine regedit /S "$(office_wine winepath -w "$OFFICE_STATE/office.reg" 2>/dev/null | tr -d '\r')"
}

office_start() {
  OFFICE_NATIVE=$1 OFFICE_WINDOWS=$2 OFFICE_STATE=$3 OFFICE_DISPLAY=$4 OFFICE_UNMANAGED=${5:-}
  OFFICE_PREFIX=$OFFICE_STATE/prefix OFFICE_PIDS=()
  mkdir -p "$OFFICE_STATE"
  office_start_simulators
  office_make_prefix
  office_copy_suite
  office_register
}

office_stop() {
  WINEPREFIX=$OFFICE_PREFIX wineserver -k 2>/dev/null || true
  local pid
  for pid in "${OFFICE_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${OFFICE_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
}
