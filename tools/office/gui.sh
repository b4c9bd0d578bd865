#!/bin/bash
# The office on a desktop: the demo office's printers answering, a
# recording mail server, the suite registered in a Wine prefix of its own
# with local printers for the spooler, and the management window open on
# the user's X display (a virtual one when there is none). Ends when the
# window is closed.
#   gui.sh <native-build> <windows-build> <state-dir>
set -euo pipefail
native=$1 windows=$2 state=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/office.sh"
xvfb=
finish() {
  office_stop || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT

display=${DISPLAY:-}
managed=
if [ -z "$display" ] || ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  display=:94 managed=unmanaged
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  echo "== no X display: the window opens on the virtual display $display (see it with ./run screenshots)"
fi
echo "== the office and the suite in $state"
office_start "$native" "$windows" "$state" "$display" $managed
echo "== the management window; mails the suite sends land in $state/mail"
office_wine 'C:\nrv\folderhost.exe' 'NRV プリントサーバ'
