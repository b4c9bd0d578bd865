#!/bin/bash
# What the view broadcasts to 255.255.255.255, the registration wizard's
# automatic search and a remote power-on's wake-up packets, runs here only on
# a network of the test's own. A manager namespace and a NIC namespace are
# joined by a veth pair; the view's test program runs in the first under Wine
# (a prefix and wineserver of its own), the simulated NICs answer (or sleep)
# in the second. Exits 77 (skipped) where namespaces cannot be made.
#   broadcasts_in_namespace.sh <view-test-program.exe> <nicsim> <wine-run>
set -u
tests=$1 nicsim=$2 winerun=$3
. "$(dirname "$0")/../../../cmake/namespace-kit.sh"

mgr=nsuite-wmgr-$$ nics=nsuite-wnic-$$ net=10.213.2
new_namespace "$mgr"
new_namespace "$nics"
join_namespaces "$mgr" "$nics"
ip -n "$mgr" addr add $net.1/24 dev "$kit_end_a"
for host in 2 3 4 5 6 7; do ip -n "$nics" addr add $net.$host/24 dev "$kit_end_b"; done
# The limited broadcast leaves by the default route: the veth.
ip -n "$mgr" route add default dev "$kit_end_a"

# Three new printers of this maker, one listed already, one of another maker,
# and a remote power printer that sleeps.
cat >"$kit_state/nics.ini" <<INI
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

[nic]
ip=$net.7
mac=0A:5E:91:26:00:07
name=NEMURI
fault=silent
INI
start_nicsim "$nics" "$nicsim" "$kit_state/nics.ini" --network $net.0/24 --broadcast 255.255.255.255

# The program with its DLLs in a folder of its own: it writes its list and
# settings beside them.
mkdir "$kit_state/app"
cp "$(dirname "$tests")"/*.exe "$(dirname "$tests")"/*.dll "$kit_state/app/"
own_wine_prefix "$mgr" "$winerun"
VIEW_OWN_NETWORK=$net NICSIM_STATE=$kit_state ip netns exec "$mgr" "$winerun" \
  "$kit_state/app/$(basename "$tests")" \
  --gtest_filter='FolderView.TheAutomaticSearchOffersThisMakersNewPrinters:FolderView.PowerOnWakesTheChosenSilentPrinter'
