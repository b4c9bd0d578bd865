#!/bin/bash
# The broadcast search against simulated NICs on a network of the test's own:
# a manager namespace and a NIC namespace joined by a veth pair, so the
# broadcast never leaves this machine. Exits 77 (skipped) where namespaces
# cannot be made.
#   broadcast_in_namespace.sh <exchange-test-program> <nicsim>
set -u
tests=$1 nicsim=$2
skip() { echo "SKIPPED: $*"; exit 77; }

[ "$(id -u)" = 0 ] || skip "creating network namespaces needs root"
command -v ip >/dev/null || skip "no ip command (iproute2)"

id=$$
mgr=nsuite-mgr-$id
nics=nsuite-nic-$id
state=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  ip netns del "$mgr" 2>/dev/null
  ip netns del "$nics" 2>/dev/null
  rm -rf "$state"
}
trap cleanup EXIT

ip netns add "$mgr" 2>/dev/null || skip "cannot create a network namespace"
ip netns add "$nics" || skip "cannot create a network namespace"
ip link add "vm$id" type veth peer name "vn$id" 2>/dev/null || skip "cannot create a veth pair"
ip link set "vm$id" netns "$mgr" && ip link set "vn$id" netns "$nics" || exit 1
ip -n "$mgr" addr add 10.213.0.1/24 dev "vm$id"
ip -n "$nics" addr add 10.213.0.2/24 dev "vn$id"
ip -n "$nics" addr add 10.213.0.3/24 dev "vn$id"
for ns in "$mgr" "$nics"; do ip -n "$ns" link set lo up; done
ip -n "$mgr" link set "vm$id" up
ip -n "$nics" link set "vn$id" up

cat >"$state/nics.ini" <<'INI'
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

ip netns exec "$nics" "$nicsim" --config "$state/nics.ini" --jobs "$state/jobs" \
  --network 10.213.0.0/24 --broadcast 10.213.0.255 </dev/null >"$state/out" 2>"$state/err" &
pid=$!
for _ in $(seq 100); do grep -qx ready "$state/out" && break; sleep 0.05; done
grep -qx ready "$state/out" || { echo "simulator failed:"; cat "$state/err"; exit 1; }

NICSUITE_BROADCAST=10.213.0.255 ip netns exec "$mgr" "$tests" --gtest_filter='BroadcastSearch.*'
