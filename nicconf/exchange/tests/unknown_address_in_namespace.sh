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
. "$(dirname "$0")/../../../cmake/namespace-kit.sh"

ns=nsuite-unknown-$$
new_namespace "$ns"
ip -n "$ns" addr add 11.22.33.44/32 dev lo

cat >"$kit_state/nics.ini" <<'INI'
[nic]
ip=11.22.33.44
mac=00:80:87:05:00:44
name=UNNUMBERED
INI
start_simulator() {
  stop_nicsim
  start_nicsim "$ns" "$nicsim" "$kit_state/nics.ini" --network 11.22.33.44/32
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
  export NICSUITE_COMMAND_LOG=$kit_state/commands.log
  PATH=$standins:$PATH ip netns exec "$ns" "$nicctl" set-ip 00:80:87:05:00:44 127.0.7.9 \
    --timeout 2 || exit 1
  ip netns exec "$ns" "$nicctl" read 127.0.7.9 00:80:87:05:00:44 --timeout 1 | grep -q UNNUMBERED ||
    { echo "the NIC does not answer at its new address"; exit 1; }
  grep -q '^route add 11.22.33.44 ' "$kit_state/commands.log" ||
    { echo "route was not run:"; cat "$kit_state/commands.log"; exit 1; }
else
  own_wine_prefix "$ns" "$winerun"
  ip netns exec "$ns" "$winerun" "$tests" "$filter"
fi
