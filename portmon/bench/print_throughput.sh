#!/bin/bash
# Raw print throughput to one simulated printer's sink: 1 GiB in 64 KiB
# writes through the monitor (under Wine), through a plain blocking send
# loop (under Wine and natively), and through CUPS's socket backend. ROUNDS
# rounds (default 5), each starting with another mode so no mode always runs
# first, and the median of each; the sink keeps its files in memory so the
# disk does not set the pace.
#   print_throughput.sh <native-build> <windows-build> [mebibytes]
# CUPS_SOCKET_BACKEND names the backend (default /usr/lib/cups/backend/socket).
# MONITOR_BASELINE names a folder holding another print_bench.exe beside
# another portmonnt4.dll (an earlier build, say): it runs as the mode
# "monitor-base" in the same rounds, so a change is measured against it.
set -euo pipefail
native=$1 windows=$2 mib=${3:-1024}
bytes=$((mib << 20))
rounds=${ROUNDS:-5}
cups=${CUPS_SOCKET_BACKEND:-/usr/lib/cups/backend/socket}
state=$(mktemp -d -p "$( [ -d /dev/shm ] && echo /dev/shm || echo /tmp)")
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  "$windows/wine-run" --stop
  rm -rf "$state"
}
trap cleanup EXIT

printf '[nic]\nip=127.0.15.2\nmac=00:80:87:0F:00:02\nname=SINK\n' >"$state/sink.ini"
"$native/tools/nicsim/nicsim" --config "$state/sink.ini" --jobs "$state/jobs" \
  </dev/null >"$state/out" 2>"$state/err" &
pid=$!
for _ in $(seq 100); do grep -qx ready "$state/out" && break; sleep 0.05; done
"$windows/wine-run" --start

bench=$windows/portmon/bench/print_bench.exe
cups_rate() {
  head -c "$bytes" /dev/zero >"$state/job.bin"
  local start end
  start=$(date +%s.%N)
  DEVICE_URI=socket://127.0.15.2:9100 "$cups" 1 bench bench 1 "" "$state/job.bin" >/dev/null 2>&1
  end=$(date +%s.%N)
  rm -f "$state/job.bin"
  awk -v s="$start" -v e="$end" -v b="$bytes" 'BEGIN { printf "%.1f\n", b / (e - s) / 1e6 }'
}
rate() {
  case $1 in
    monitor-wine) "$windows/wine-run" "$bench" monitor 127.0.15.2 "$mib" | awk '{ print $NF }' ;;
    monitor-base) "$windows/wine-run" "$MONITOR_BASELINE/print_bench.exe" monitor 127.0.15.2 "$mib" | awk '{ print $NF }' ;;
    plain-wine) "$windows/wine-run" "$bench" plain 127.0.15.2 "$mib" | awk '{ print $NF }' ;;
    plain-native) "$native/portmon/bench/print_bench" plain 127.0.15.2 "$mib" | awk '{ print $NF }' ;;
    cups-socket) cups_rate ;;
  esac
}

modes="monitor-wine plain-wine plain-native"
[ -n "${MONITOR_BASELINE:-}" ] && modes="monitor-base $modes"
[ -x "$cups" ] && modes="$modes cups-socket"
: >"$state/rates"
for round in $(seq "$rounds"); do
  for mode in $modes; do
    echo "$mode $(rate "$mode")" >>"$state/rates"
    rm -f "$state"/jobs/*.prn
  done
  modes="${modes#* } ${modes%% *}"
done

echo "MB/s per round, in the order run:"
awk '{ printf "  %-13s %s\n", $1, $2 }' "$state/rates"
median() {
  awk -v m="$1" '$1 == m { print $2 }' "$state/rates" | sort -n |
    awk '{ v[NR] = $1 } END { printf "%.1f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "MB/s over $rounds rounds of $mib MiB in 64 KiB writes (median):"
for mode in $modes; do
  printf '  %-13s %s\n' "$mode" "$(median "$mode")"
done | tee "$state/medians"
awk '{ rate[$1] = $2 }
     END {
       printf "monitor / plain loop under Wine: %.2f\n", rate["monitor-wine"] / rate["plain-wine"]
       if ("monitor-base" in rate) {
         printf "baseline / plain loop under Wine: %.2f\n", rate["monitor-base"] / rate["plain-wine"]
         printf "monitor / baseline monitor:      %.2f\n", rate["monitor-wine"] / rate["monitor-base"]
       }
       printf "monitor / plain loop native:     %.2f\n", rate["monitor-wine"] / rate["plain-native"]
       if ("cups-socket" in rate)
         printf "monitor / CUPS socket backend:   %.2f\n", rate["monitor-wine"] / rate["cups-socket"]
     }' "$state/medians"
