#!/bin/sh
# Installs the stand-in network provider in a Wine prefix as Windows
# installs providers, or removes it again:
#
#   install-provider.sh install <wine command> <path of netprovider.dll>
#   install-provider.sh remove <wine command>
#
# The wine command runs a Windows program in the prefix (for the build's
# prefix: build/windows/wine-run). Sourced, the script gives the functions
# install_network_provider and remove_network_provider with the same
# arguments. Programs started afterwards find a network in the current
# context; mpr reads its providers when a program loads it.

NETWORK_PROVIDER_NAME=NicSuiteNet
NETWORK_PROVIDER_ORDER='HKLM\System\CurrentControlSet\Control\NetworkProvider\Order'
NETWORK_PROVIDER_SERVICE='HKLM\System\CurrentControlSet\Services\NicSuiteNet'
NETWORK_PROVIDER_FILE='C:\windows\system32\netprovider.dll'

install_network_provider() {
  wine=$1
  windows_path=$("$wine" winepath.exe -w "$2" | tr -d '\r')
  "$wine" cmd.exe /c copy /y "$windows_path" "$NETWORK_PROVIDER_FILE" >/dev/null &&
    "$wine" reg.exe add "$NETWORK_PROVIDER_ORDER" /v ProviderOrder /d "$NETWORK_PROVIDER_NAME" /f >/dev/null &&
    "$wine" reg.exe add "$NETWORK_PROVIDER_SERVICE\\NetworkProvider" /v Name /d "$NETWORK_PROVIDER_NAME" /f >/dev/null &&
    "$wine" reg.exe add "$NETWORK_PROVIDER_SERVICE\\NetworkProvider" /v ProviderPath /t REG_EXPAND_SZ \
      /d '%SystemRoot%\System32\netprovider.dll' /f >/dev/null &&
    "$wine" reg.exe add "$NETWORK_PROVIDER_SERVICE\\NetworkProvider" /v Class /t REG_DWORD /d 1 /f >/dev/null
}

remove_network_provider() {
  wine=$1
  "$wine" reg.exe delete "$NETWORK_PROVIDER_ORDER" /v ProviderOrder /f >/dev/null 2>&1
  "$wine" reg.exe delete "$NETWORK_PROVIDER_SERVICE" /f >/dev/null 2>&1
  "$wine" cmd.exe /c del "$NETWORK_PROVIDER_FILE" >/dev/null 2>&1
  return 0
}

case "$0" in
  *install-provider.sh)
    set -eu
    case "${1:-}" in
      install)
        [ $# -eq 3 ] || { echo "usage: $0 install <wine command> <netprovider.dll>" >&2; exit 2; }
        install_network_provider "$2" "$3"
        ;;
      remove)
        [ $# -eq 2 ] || { echo "usage: $0 remove <wine command>" >&2; exit 2; }
        remove_network_provider "$2"
        ;;
      *)
        echo "usage: $0 install <wine command> <netprovider.dll> | remove <wine command>" >&2
        exit 2
        ;;
    esac
    ;;
esac
