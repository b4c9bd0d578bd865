#!/bin/sh
# install-provider.sh as the demo uses it: after install a program finds a
# network in the current context, after remove it finds none again and the
# prefix holds nothing of the provider.
#   install_script_test.sh <install-provider.sh> <wine command> <netprovider.dll> <context_probe.exe>
set -u
script=$1 wine=$2 dll=$3 probe=$4

"$script" install "$wine" "$dll" || { echo "install failed"; exit 1; }
installed=$("$wine" "$probe" | tr -d '\r')
"$script" remove "$wine"
removed=$("$wine" "$probe" | tr -d '\r')
"$wine" reg.exe query 'HKLM\System\CurrentControlSet\Services\NicSuiteNet' >/dev/null 2>&1 && left=yes || left=no

echo "installed: $installed (expected 0), removed: $removed (expected 1222), keys left: $left"
[ "$installed" = 0 ] && [ "$removed" = 1222 ] && [ "$left" = no ]
