#!/bin/bash
# A NIC spoken to under the unknown-NIC address 11.22.33.44 must stay on this
# machine: the test runs in a network namespace of its own, where that
# address is local and a simulated NIC answers there. The NIC takes the
# address the write gives it and answers from it, as a real NIC does. Exits
# 77 (skipped) where namespaces cannot be made.
#   unknown_address_in_namespace.sh <exchange-test-program> <nicsim> <nicctl>
#   unknown_address_in_namespace.sh <exchange-test-program.exe> <nicsim> --wine <wine-run>
# Natively nicctl set-ip then does the same from the command line. With
# --wine the test program is the Windows build, run under Wine with a
# wineserver of its own inside the namespace.
set -u
tests=$1 nicsim=$2 nicctl= winerun=
if [ "${3:-}" = --wine ]; then winerun=$4; else nicctl=$3; fi
skip() { echo "SKIPPED: $*"; exit 77; }

[ "$(id -u)" = 0 ] || skip "creating network namespaces needs root"
command -v ip >/dev/null || skip "no ip command (iproute2)"

ns=nsuite-unknown-$$
state=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  if [ -n "$winerun" ]; then
    ip netns exec "$ns" env WINEPREFIX="$state/prefix" wineserver -k 2>/dev/null
  fi
  ip netns del "$ns" 2>/dev/null
  rm -rf "$state"
}
trap cleanup EXIT

ip netns add "$ns" 2>/dev/null || skip "cannot create a network namespace"
ip -n "$ns" link set lo up
ip -n "$ns" addr add 11.22.33.44/32 dev lo

cat >"$state/nics.ini" <<'INI'
[nic]
ip=11.22.33.44
mac=00:80:87:05:00:44
name=UNNUMBERED
INI
start_simulator() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  : >"$state/out"
  ip netns exec "$ns" "$nicsim" --config "$state/nics.ini" --jobs "$state/jobs" \
    --network 11.22.33.44/32 </dev/null >"$state/out" 2>"$state/err" &
  pid=$!
  for _ in $(seq 100); do grep -qx ready "$state/out" && return; sleep 0.05; done
  echo "simulator failed:"; cat "$state/err"; exit 1
}
start_simulator

export NICSUITE_UNKNOWN_NIC_MAC=00:80:87:05:00:44
filter=--gtest_filter='UnknownAddress.*'
if [ -z "$winerun" ]; then
  ip netns exec "$ns" "$tests" "$filter" || exit 1
  # The same from the command line, against a fresh NIC, with the route and
  # arp stand-ins first on the path.
  start_simulator
  standins=$(dirname "$(dirname "$(dirname "$tests")")")/outside/bin
  export NICSUITE_COMMAND_LOG=$state/commands.log
  PATH=$standins:$PATH ip netns exec "$ns" "$nicctl" set-ip 00:80:87:05:00:44 127.0.7.9 \
    --timeout 2 || exit 1
  ip netns exec "$ns" "$nicctl" read 127.0.7.9 00:80:87:05:00:44 --timeout 1 | grep -q UNNUMBERED ||
    { echo "the NIC does not answer at its new address"; exit 1; }
  grep -q '^route add 11.22.33.44 ' "$state/commands.log" ||
    { echo "route was not run:"; cat "$state/commands.log"; exit 1; }
else
  # A copy of the build's prefix made of hard links: cheap, and its own server.
  prefix=$(dirname "$winerun")/wineprefix
  cp -al "$prefix" "$state/prefix"
  rm -f "$state/prefix/.suite-ready.lock"
  export SUITE_WINEPREFIX=$state/prefix
  ip netns exec "$ns" env WINEPREFIX="$state/prefix" WINEDEBUG=-all wineserver -p \
    </dev/null >/dev/null 2>&1
  ip netns exec "$ns" "$winerun" "$tests" "$filter"
fi
