# Sourced by the tests that run in network namespaces of their own, so that
# nothing they send leaves this machine. Every helper skips the test (exit
# 77) where namespaces cannot be made. Namespaces, the simulator and a
# wineserver started here are removed again by kit_cleanup, which the
# sourcing script's EXIT trap runs.

kit_namespaces=() kit_pids=() kit_prefixes=()
kit_state=$(mktemp -d)

skip() { echo "SKIPPED: $*"; exit 77; }

kit_cleanup() {
  local pid ns prefix
  for pid in "${kit_pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  for prefix in "${kit_prefixes[@]}"; do
    ip netns exec "${prefix%%:*}" env WINEPREFIX="${prefix#*:}" wineserver -k 2>/dev/null
  done
  for ns in "${kit_namespaces[@]}"; do ip netns del "$ns" 2>/dev/null; done
  rm -rf "$kit_state"
}
trap kit_cleanup EXIT

[ "$(id -u)" = 0 ] || skip "creating network namespaces needs root"
command -v ip >/dev/null || skip "no ip command (iproute2)"

# new_namespace NAME: a namespace with its loopback up.
new_namespace() {
  ip netns add "$1" 2>/dev/null || skip "cannot create a network namespace"
  kit_namespaces+=("$1")
  ip -n "$1" link set lo up
}

# join_namespaces A B: a veth pair with one end in each, both up; the ends
# are named in $kit_end_a and $kit_end_b.
join_namespaces() {
  kit_end_a=ka$$_${#kit_namespaces[@]} kit_end_b=kb$$_${#kit_namespaces[@]}
  ip link add "$kit_end_a" type veth peer name "$kit_end_b" 2>/dev/null || skip "cannot create a veth pair"
  ip link set "$kit_end_a" netns "$1" && ip link set "$kit_end_b" netns "$2" || exit 1
  ip -n "$1" link set "$kit_end_a" up
  ip -n "$2" link set "$kit_end_b" up
}

# start_nicsim NAMESPACE NICSIM CONFIG OPTIONS...: the simulator in that
# namespace, once it says it is ready; what it saw goes to
# $kit_state/events.log.
start_nicsim() {
  local ns=$1 nicsim=$2 config=$3
  shift 3
  : >"$kit_state/out"
  ip netns exec "$ns" "$nicsim" --config "$config" --jobs "$kit_state/jobs" --log "$kit_state/events.log" "$@" \
    </dev/null >"$kit_state/out" 2>"$kit_state/err" &
  kit_pids+=($!)
  for _ in $(seq 100); do grep -qx ready "$kit_state/out" && return; sleep 0.05; done
  echo "simulator failed:"; cat "$kit_state/err"; exit 1
}

# stop_nicsim: the simulators started so far.
stop_nicsim() {
  local pid
  for pid in "${kit_pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  kit_pids=()
}

# own_wine_prefix NAMESPACE WINE-RUN: a copy of the build's prefix made of
# hard links, except for the registry and temporary files it writes, with a
# wineserver of its own inside the namespace; wine-run uses it from then on.
own_wine_prefix() {
  local ns=$1 prefix
  prefix=$(dirname "$2")/wineprefix
  cp -al "$prefix" "$kit_state/prefix"
  rm -f "$kit_state/prefix/.suite-ready.lock"
  for reg in "$kit_state"/prefix/*.reg; do cp --remove-destination "$prefix/$(basename "$reg")" "$reg"; done
  find "$kit_state/prefix/drive_c/users" -path '*/Temp/*' -type f -delete 2>/dev/null
  export SUITE_WINEPREFIX=$kit_state/prefix
  kit_prefixes+=("$ns:$kit_state/prefix")
  ip netns exec "$ns" env WINEPREFIX="$kit_state/prefix" WINEDEBUG=-all wineserver -p \
    </dev/null >/dev/null 2>&1
}
