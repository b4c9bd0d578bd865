#!/bin/bash
# The registration wizard's automatic search broadcasts to 255.255.255.255:
# it runs here only on a network of the test's own. A manager namespace and a
# NIC namespace are joined by a veth pair; the view's test program runs in
# the first under Wine (a prefix and wineserver of its own), five simulated
# NICs answer in the second. Exits 77 (skipped) where namespaces cannot be
# made.
#   wizard_broadcast_in_namespace.sh <view-test-program.exe> <nicsim> <wine-run>
set -u
tests=$1 nicsim=$2 winerun=$3
skip() { echo "SKIPPED: $*"; exit 77; }

[ "$(id -u)" = 0 ] || skip "creating network namespaces needs root"
command -v ip >/dev/null || skip "no ip command (iproute2)"

id=$$
mgr=nsuite-wmgr-$id
nics=nsuite-wnic-$id
net=10.213.2
state=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  ip netns exec "$mgr" env WINEPREFIX="$state/prefix" wineserver -k 2>/dev/null
  ip netns del "$mgr" 2>/dev/null
  ip netns del "$nics" 2>/dev/null
  rm -rf "$state"
}
trap cleanup EXIT

ip netns add "$mgr" 2>/dev/null || skip "cannot create a network namespace"
ip netns add "$nics" || skip "cannot create a network namespace"
ip link add "wm$id" type veth peer name "wn$id" 2>/dev/null || skip "cannot create a veth pair"
ip link set "wm$id" netns "$mgr" && ip link set "wn$id" netns "$nics" || exit 1
ip -n "$mgr" addr add $net.1/24 dev "wm$id"
for host in 2 3 4 5 6; do ip -n "$nics" addr add $net.$host/24 dev "wn$id"; done
for ns in "$mgr" "$nics"; do ip -n "$ns" link set lo up; done
ip -n "$mgr" link set "wm$id" up
ip -n "$nics" link set "wn$id" up
# The limited broadcast leaves by the default route: the veth.
ip -n "$mgr" route add default dev "wm$id"

# Three new printers of this maker, one listed already, one of another maker.
cat >"$state/nics.ini" <<INI
[nic]
ip=$net.2
mac=00:80:87:26:00:02
name=ICHI

[nic]
ip=$net.3
mac=00:80:87:26:00:03
name=NI

[nic]
ip=$net.4
mac=00:80:87:26:00:04
name=SAN

[nic]
ip=$net.5
mac=00:80:87:26:00:05
name=KIZON

[nic]
ip=$net.6
mac=00:11:22:26:00:06
name=TASHA
fault=othermaker
INI
ip netns exec "$nics" "$nicsim" --config "$state/nics.ini" --jobs "$state/jobs" \
  --network $net.0/24 --broadcast 255.255.255.255 </dev/null >"$state/out" 2>"$state/err" &
pid=$!
for _ in $(seq 100); do grep -qx ready "$state/out" && break; sleep 0.05; done
grep -qx ready "$state/out" || { echo "simulator failed:"; cat "$state/err"; exit 1; }

# The program with its DLLs in a folder of its own (it writes its list and
# settings beside them), and a copy of the build's prefix made of hard links
# except for what gets written.
mkdir "$state/app"
cp "$(dirname "$tests")"/*.exe "$(dirname "$tests")"/*.dll "$state/app/"
prefix=$(dirname "$winerun")/wineprefix
cp -al "$prefix" "$state/prefix"
rm -f "$state/prefix/.suite-ready.lock"
for reg in "$state"/prefix/*.reg; do cp --remove-destination "$prefix/$(basename "$reg")" "$reg"; done
find "$state/prefix/drive_c/users" -path '*/Temp/*' -type f -delete 2>/dev/null
export SUITE_WINEPREFIX=$state/prefix WIZARD_OWN_NETWORK=$net
ip netns exec "$mgr" env WINEPREFIX="$state/prefix" WINEDEBUG=-all wineserver -p \
  </dev/null >/dev/null 2>&1
ip netns exec "$mgr" "$winerun" "$state/app/$(basename "$tests")" \
  --gtest_filter='FolderView.TheAutomaticSearchOffersThisMakersNewPrinters'
