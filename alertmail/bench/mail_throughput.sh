#!/bin/bash
# One notice mail end to end into the recording mail server: DAVSendMail
# under Wine (loaded for each mail, as its callers do) against msmtp sending
# the very message DAVSendMail produced to the same server, same run.
#   mail_throughput.sh <native-build> <windows-build> [mails]
set -euo pipefail
native=$1 windows=$2 mails=${3:-50}
state=$(mktemp -d)
here=$(cd "$(dirname "$0")" && pwd)
cleanup() {
  "$here/../../cmake/smtpsink-fixture" stop "$state" >/dev/null 2>&1 || true
  "$windows/wine-run" --stop
  rm -rf "$state"
}
trap cleanup EXIT
"$here/../../cmake/smtpsink-fixture" start "$state" "$native/tools/smtpsink/smtpsink" \
  127.0.16.2:25 accept >/dev/null
"$windows/wine-run" --start

alertmail=$("$windows/wine-run" "$windows/alertmail/bench/mail_bench.exe" 127.0.16.2 "$mails" | awk '{ print $2 }')

# The message exactly as the server received it from DAVSendMail.
session=$(ls "$state"/sessions/session-*.txt | head -1)
python3 - "$session" "$state/message.eml" <<'PY'
import sys
s = open(sys.argv[1], "rb").read()
start = s.index(b"DATA\r\n") + 6
end = s.index(b"\r\n.\r\n", start)
lines = s[start:end].split(b"\r\n")
open(sys.argv[2], "wb").write(b"\r\n".join(l[1:] if l.startswith(b".") else l for l in lines) + b"\r\n")
PY
start=$(date +%s%N)
for _ in $(seq "$mails"); do
  msmtp -C /dev/null --host=127.0.16.2 --port=25 --from=admin@office.test --auth=off --tls=off \
    a@x.test b@x.test admin@office.test <"$state/message.eml"
done
end=$(date +%s%N)
msmtp_ms=$(awk -v s="$start" -v e="$end" -v n="$mails" 'BEGIN { printf "%.2f", (e - s) / 1e6 / n }')

echo "one mail end to end, $mails mails each (ms per mail):"
echo "  DAVSendMail under Wine  $alertmail"
echo "  msmtp, native           $msmtp_ms"
awk -v a="$alertmail" -v m="$msmtp_ms" 'BEGIN { printf "DAVSendMail / msmtp time: %.2f\n", a / m }'
