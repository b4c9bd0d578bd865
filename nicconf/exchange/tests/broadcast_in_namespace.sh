#!/bin/bash
# The broadcast search against simulated NICs on a network of the test's own:
# a manager namespace and a NIC namespace joined by a veth pair, so the
# broadcast never leaves this machine. Exits 77 (skipped) where namespaces
# cannot be made.
#   broadcast_in_namespace.sh <exchange-test-program> <nicsim>
set -u
tests=$1 nicsim=$2
. "$(dirname "$0")/../../../cmake/namespace-kit.sh"

mgr=nsuite-mgr-$$ nics=nsuite-nic-$$
new_namespace "$mgr"
new_namespace "$nics"
join_namespaces "$mgr" "$nics"
ip -n "$mgr" addr add 10.213.0.1/24 dev "$kit_end_a"
ip -n "$nics" addr add 10.213.0.2/24 dev "$kit_end_b"
ip -n "$nics" addr add 10.213.0.3/24 dev "$kit_end_b"

cat >"$kit_state/nics.ini" <<'INI'
[nic]
ip=10.213.0.2
mac=00:80:87:02:00:02
name=FIRST
model=LP-2

[nic]
ip=10.213.0.3
mac=00:80:87:02:00:03
name=SECOND
model=LP-3
INI
start_nicsim "$nics" "$nicsim" "$kit_state/nics.ini" --network 10.213.0.0/24 --broadcast 10.213.0.255

NICSUITE_BROADCAST=10.213.0.255 ip netns exec "$mgr" "$tests" --gtest_filter='BroadcastSearch.*'
