#!/bin/bash
# The suite's windows as a person sees them, worked as a person works them
# (chooses in the tree, selects, opens menus, steps through pages), on a
# virtual display with Wine's X11 driver and a Japanese font, written as
# PNGs. Each is cut to its window and compared with the empty desktop; a
# window that does not come up fails the script.
#   screenshots.sh <native-build> <windows-build> <output-dir>
set -euo pipefail
native=$1 windows=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/office.sh"
display=:93
state=$(mktemp -d)
mkdir -p "$out"
xvfb=
finish() {
  office_stop || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$state"
}
trap finish EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
echo "== the office and the suite in a prefix of its own"
office_start "$native" "$windows" "$state" "$display" unmanaged
DISPLAY=$display import -window root "$state/empty.png"

keys() { DISPLAY=$display xdotool "$@"; sleep 0.6; }
where() { office_wine 'C:\nrv\winctl.exe' rect "$1" "${2:-15}" | tr -d '\r'; }

# The window titled $1 cut from the screen into $2.png, once it is there.
shot() {
  local title=$1 name=$2 x y w h
  read -r x y w h < <(where "$title") || { echo "screenshots: no window \"$title\" for $name" >&2; exit 1; }
  sleep 0.5
  DISPLAY=$display import -window root "$state/screen.png"
  convert "$state/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
  local changed
  changed=$(compare -metric AE <(convert "$state/empty.png" -crop "${w}x${h}+${x}+${y}" +repage png:-) \
            "$out/$name.png" null: 2>&1 || true)
  if [ "${changed%% *}" = 0 ]; then echo "screenshots: $name.png is blank" >&2; exit 1; fi
  echo "   $out/$name.png (${w}x${h})"
}

# Clicks at a point of the window titled $1, relative to its corner.
click_in() {
  local x y w h
  read -r x y w h < <(where "$1")
  keys mousemove $((x + $2)) $((y + $3)) click "${4:-1}"
}

folder='NRV Prindora - NRV プリントサーバ'
printers='NRV Prindora - ローカルプリンタ'
row() { echo $((97 + 17 * $1)); }  # a row of the window's lists, from 0

echo "== screenshots"
office_wine 'C:\nrv\folderhost.exe' 'NRV プリントサーバ' &
where "$folder" 30 >/dev/null
sleep 8  # the first refresh and a cycle
shot "$folder" folder_details
click_in "$folder" 240 "$(row 0)"
keys key alt+f
shot "$folder" folder_menu
keys key Escape

# The alarm printer's status: its row chosen, Enter.
click_in "$folder" 240 "$(row 3)"
keys key Return
shot 'KEIRI-LP4のステータス' status_alarm
keys key Escape

# The NIC sheet of the first printer, each of its pages.
click_in "$folder" 240 "$(row 0)"
keys key alt+f
keys key r
for page in 0 1 2 3 4 5 6 7 8; do
  office_wine 'C:\nrv\winctl.exe' page SOUMU-LP1 "$page"
  shot SOUMU-LP1 "nic_sheet_$page"
done
keys key Escape

# The registration wizard: no automatic search, TCP/IP, a search of the
# office's broadcast address, and what it found.
keys key alt+f
keys key a
where '開始' >/dev/null
keys key Return
keys key alt+n
keys key Return
keys key alt+t
keys key Return
keys key Return
click_in '検索方法を選んでください。' 69 76
keys type --delay 80 127.0.3.255
shot '検索方法を選んでください。' wizard_search
keys key Return
shot '検出結果' wizard_results
keys key Escape

click_in "$folder" 240 "$(row 0)"
keys key alt+f
keys key p
keys key f
shot 'リモート電源オフ' remote_power
keys key Escape

keys key alt+v
keys key o
shot 'NRVプリントサーバのオプション' options
keys key Escape

# The local printers with the mail column; the background's menu opens the
# mail settings, a printer's menu its alarm settings.
click_in "$folder" 90 111
shot "$printers" local_printers
click_in "$printers" 500 400 3
keys key c
shot 'メール通知の設定' mail_settings
office_wine 'C:\nrv\winctl.exe' page 'メール通知の設定' 1
shot 'メール通知の設定' mail_settings_user
keys key Escape
click_in "$printers" 250 "$(row 1)"
click_in "$printers" 250 "$(row 1)" 3
keys key n
shot 'アラームの発信設定 - LP-9800C 受付' alarm_settings
keys key alt+p
shot '通知設定の確認' alarm_preview
keys key Escape
keys key Escape
echo "== screenshots in $out"
