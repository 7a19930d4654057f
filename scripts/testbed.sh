#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Network test bed for Tolvane: a "pc" host, camera hosts and one other host, each in its own
# network namespace, joined by veth pairs to a bridge that lives in a namespace of its own.
# Nothing is created on, and nothing is sent through, the machine's real interfaces.
#
#   testbed.sh run [BED OPTIONS] -- COMMAND...   create a bed, run COMMAND with the bed's
#                                                TESTBED_* variables, remove the bed
#   testbed.sh up --id ID [BED OPTIONS]          create a bed and print its TESTBED_* lines
#   testbed.sh down --id ID                      remove a bed and end what still runs in it
#   testbed.sh exec HOST [--id ID] -- COMMAND... run COMMAND in HOST (pc, cam1.., other, sw)
#   testbed.sh pc-firewall on|off [--id ID]      make "pc" drop, or stop dropping, inbound UDP
#                                                to port 10669 (nftables, inside "pc" only)
#   testbed.sh prune                             remove beds whose owning process has ended
#
# BED OPTIONS: --cameras N (1 to 20, default 2); --unlisted-hostname: the pc's hosts file lacks
# the machine's host name, so a lookup of that name asks the bed's name servers, where nobody
# answers; --segments S (1 to 3, default 1): with 2 or 3, the pc has one interface on each of S
# segments (eth0 on 10.77.0.0/24 with the default route and the other host, eth1 on
# 192.168.91.0/24, eth2 on 192.168.92.0/24, each with a gateway of a higher metric) and the
# cameras are dealt out over the segments after the first; --no-default-route: the pc has no
# default route at all.
# --pc-firewall: "pc" starts with the firewall of `pc-firewall on`, as a stateful firewall
# treats the cameras' broadcast replies.
#
# ID is "tvb", the owner's process id, and optionally a lower-case letter followed by letters
# and digits (tvb4711, tvb4711x2); prune relies on that. As root the bed uses `ip netns`. Without
# root, `run` starts itself again inside a user, network and mount namespace of its own
# (`unshare -rnm`), where the whole bed is private to that run. Exit status 77 means that no
# bed can be made on this machine (the reason is printed).
set -euo pipefail

readonly SCRIPT_PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")"
readonly UNAVAILABLE=77
readonly NET=10.77.0
readonly PREFIX=24
readonly MASK=255.255.255.0
readonly GATEWAY=$NET.1
readonly DNS1=$NET.53
readonly DNS2=$NET.54
readonly PC_IP=$NET.10
readonly PC_MAC=02:77:00:00:00:0a
readonly OTHER_IP=$NET.253
readonly OTHER_MAC=02:77:00:00:00:fd
readonly FREE_IP=$NET.252
readonly HOST_IF=eth0
readonly MAX_CAMERAS=20
readonly MAX_SEGMENTS=3
# The network of each segment; segment 0 is the one of the single-segment bed.
readonly SEGMENT_NETS=("$NET" 192.168.91 192.168.92)
readonly REPLY_PORT=10669
readonly FIREWALL_TABLE=testbed_firewall

die() {
    echo "testbed: $*" >&2
    exit 1
}

unavailable() {
    echo "testbed: unavailable: $*" >&2
    exit "$UNAVAILABLE"
}

usage() {
    sed -n '2,29s/^# \{0,1\}//p' "$SCRIPT_PATH" >&2
    exit 2
}

valid_id() {
    [[ $1 =~ ^tvb[0-9]+([a-z][a-z0-9]*)?$ ]]
}

# The segment of camera i: 0 in a single-segment bed, else dealt out over segments 1 to S-1.
camera_segment() {
    local i=$1 segments=$2
    if [ "$segments" -le 1 ]; then
        echo 0
    else
        echo $((1 + (i - 1) % (segments - 1)))
    fi
}
camera_ip() { echo "${SEGMENT_NETS[${2:-0}]}.$((20 + $1))"; }
camera_mac() { printf '02:77:00:00:01:%02x' "$1"; }
pc_segment_mac() { printf '02:77:00:%02x:00:0a' "$1"; }

# Root of a user namespace made by `unshare -r`: uid 0, but not the machine's root.
in_user_namespace() {
    ! grep -qE '^ *0 +0 +4294967295 *$' /proc/self/uid_map
}

# Inside our own mount namespace the bed keeps its namespace files and name-service files
# private: /run/netns on a fresh tmpfs, resolv.conf and hosts bound over the real ones.
prepare_private_mounts() {
    if [ ! -w /run/netns ]; then
        if [ -d /run/netns ]; then
            mount -t tmpfs tmpfs /run/netns || unavailable "cannot mount a tmpfs on /run/netns"
        else
            mount -t tmpfs tmpfs /run || unavailable "cannot mount a tmpfs on /run"
            mkdir -p /run/netns
        fi
    fi
}

namespaces_of() {
    ip netns list 2>/dev/null | awk '{print $1}' | grep -E "^$1-" || true
}

stop_processes_in() {
    local ns=$1 pids
    pids=$(ip netns pids "$ns" 2>/dev/null || true)
    [ -n "$pids" ] || return 0
    kill -TERM $pids 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        pids=$(ip netns pids "$ns" 2>/dev/null || true)
        [ -n "$pids" ] || return 0
        sleep 0.2
    done
    kill -KILL $pids 2>/dev/null || true
}

destroy_bed() {
    local id=$1 ns
    for ns in $(namespaces_of "$id"); do
        stop_processes_in "$ns"
    done
    for ns in $(namespaces_of "$id"); do
        ip netns del "$ns" 2>/dev/null || true
    done
    rm -rf /etc/netns/"$id"-* 2>/dev/null || true
    rmdir /etc/netns 2>/dev/null || true
}

owner_alive() {
    [ -d "/proc/$1" ]
}

prune_dead_beds() {
    local ns id pid
    for ns in $(ip netns list 2>/dev/null | awk '{print $1}'); do
        [[ $ns =~ ^(tvb([0-9]+)([a-z][a-z0-9]*)?)-[a-z0-9]+$ ]] || continue
        id=${BASH_REMATCH[1]}
        pid=${BASH_REMATCH[2]}
        owner_alive "$pid" || destroy_bed "$id"
    done
}

# A veth pair from segment `segment`'s bridge (port `port`) to interface `ifname` of namespace
# `ns`, with a fixed MAC and address.
add_link() {
    local id=$1 ns=$2 port=$3 ifname=$4 segment=$5 ip=$6 mac=$7
    local sw=$id-sw
    ip link add "$port" netns "$sw" type veth peer name "$ifname" netns "$ns"
    ip -n "$sw" link set "$port" master "br$segment"
    ip -n "$sw" link set "$port" up
    ip -n "$ns" link set "$ifname" address "$mac"
    ip -n "$ns" addr add "$ip/$PREFIX" dev "$ifname"
    ip -n "$ns" link set "$ifname" up
}

# One host: namespace, loopback up, eth0 on segment `segment` (default 0), and unless
# `default_route` is 0 a default route via that segment's gateway (a limited broadcast has no
# route without one).
add_host() {
    local id=$1 role=$2 ip=$3 mac=$4 segment=${5:-0} default_route=${6:-1}
    local ns=$id-$role
    ip netns add "$ns"
    ip -n "$ns" link set lo up
    add_link "$id" "$ns" "$role" "$HOST_IF" "$segment" "$ip" "$mac"
    [ "$default_route" -eq 0 ] ||
        ip -n "$ns" route add default via "${SEGMENT_NETS[$segment]}.1" dev "$HOST_IF"
}

# The pc's interfaces eth1.. on the further segments, each with a default route of a higher
# metric, so that each has a gateway of its own while eth0's route is the one taken.
add_pc_segments() {
    local id=$1 segments=$2 default_route=$3 s
    for ((s = 1; s < segments; s++)); do
        add_link "$id" "$id-pc" "pc$s" "eth$s" "$s" "${SEGMENT_NETS[$s]}.10" "$(pc_segment_mac "$s")"
        [ "$default_route" -eq 0 ] ||
            ip -n "$id-pc" route add default via "${SEGMENT_NETS[$s]}.1" dev "eth$s" metric $((100 * s))
    done
}

# The pc host's name-service facts: two DNS servers, which no host of the bed holds, and
# unless `hostname_listed` is 0 the machine's host name at the pc address so a name lookup
# gives the bed's address.
write_pc_files() {
    local id=$1 hostname_listed=$2 dir
    local resolv="nameserver $DNS1
nameserver $DNS2
"
    local hosts="127.0.0.1 localhost
"
    [ "$hostname_listed" -eq 0 ] || hosts+="$PC_IP $(hostname)
"
    if in_user_namespace; then
        dir=$(mktemp -d /tmp/testbed-etc.XXXXXX)
        printf '%s' "$resolv" >"$dir/resolv.conf"
        printf '%s' "$hosts" >"$dir/hosts"
        mount --bind "$dir/resolv.conf" /etc/resolv.conf 2>/dev/null ||
            echo "testbed: warning: resolv.conf of the bed not in place" >&2
        mount --bind "$dir/hosts" /etc/hosts 2>/dev/null ||
            echo "testbed: warning: hosts of the bed not in place" >&2
        rm -rf "$dir"
        return 0
    fi
    dir=/etc/netns/$id-pc
    mkdir -p "$dir"
    printf '%s' "$resolv" >"$dir/resolv.conf"
    printf '%s' "$hosts" >"$dir/hosts"
}

# The pc's firewall: a table of its own in the pc's network namespace, nothing outside it.
set_pc_firewall() {
    local id=$1 state=$2 ns=$1-pc
    case $state in
    on)
        ip netns exec "$ns" nft -f - <<EOF
table inet $FIREWALL_TABLE {
    chain input {
        type filter hook input priority 0; policy accept;
        udp dport $REPLY_PORT drop
    }
}
EOF
        ;;
    off)
        ip netns exec "$ns" nft delete table inet "$FIREWALL_TABLE" 2>/dev/null || true
        ;;
    esac
}

require_nft() {
    command -v nft >/dev/null || unavailable "the nft tool (nftables) is not installed"
}

print_environment() {
    local id=$1 cameras=$2 segments=$3 i s segment
    cat <<EOF
TESTBED_ID=$id
TESTBED_SCRIPT=$SCRIPT_PATH
TESTBED_SWITCH=$id-sw
TESTBED_IF=$HOST_IF
TESTBED_PREFIX=$PREFIX
TESTBED_MASK=$MASK
TESTBED_GATEWAY=$GATEWAY
TESTBED_DNS1=$DNS1
TESTBED_DNS2=$DNS2
TESTBED_PC=$id-pc
TESTBED_PC_IP=$PC_IP
TESTBED_PC_MAC=$PC_MAC
TESTBED_OTHER=$id-other
TESTBED_OTHER_IP=$OTHER_IP
TESTBED_OTHER_MAC=$OTHER_MAC
TESTBED_FREE_IP=$FREE_IP
TESTBED_CAMERAS=$cameras
TESTBED_SEGMENTS=$segments
EOF
    for ((s = 1; s < segments; s++)); do
        echo "TESTBED_PC_IF$s=eth$s"
        echo "TESTBED_PC_IP$s=${SEGMENT_NETS[$s]}.10"
        echo "TESTBED_PC_MAC$s=$(pc_segment_mac "$s")"
        echo "TESTBED_GATEWAY$s=${SEGMENT_NETS[$s]}.1"
        echo "TESTBED_FREE_IP$s=${SEGMENT_NETS[$s]}.252"
    done
    for ((i = 1; i <= cameras; i++)); do
        segment=$(camera_segment "$i" "$segments")
        echo "TESTBED_CAM$i=$id-cam$i"
        echo "TESTBED_CAM${i}_IP=$(camera_ip "$i" "$segment")"
        echo "TESTBED_CAM${i}_MAC=$(camera_mac "$i")"
        echo "TESTBED_CAM${i}_SEGMENT=$segment"
    done
}

# Everything that must hold before a bed named `id` is made; nothing is created yet.
prepare_bed() {
    local id=$1
    command -v ip >/dev/null || unavailable "the ip tool (iproute2) is not installed"
    [ "$(id -u)" -eq 0 ] ||
        unavailable "needs root, or a user namespace (use 'testbed.sh run', or unshare -rnm)"
    if in_user_namespace; then
        prepare_private_mounts
    else
        prune_dead_beds
    fi
    [ -z "$(namespaces_of "$id")" ] || die "a bed named $id exists already"
}

create_bed() {
    local id=$1 cameras=$2 hostname_listed=$3 segments=$4 default_route=$5 pc_firewall=$6 i s segment err
    if ! err=$(ip netns add "$id-sw" 2>&1); then
        unavailable "network namespaces cannot be created: $err"
    fi
    ip -n "$id-sw" link set lo up
    if ! err=$(ip -n "$id-sw" link add br0 type bridge 2>&1); then
        unavailable "bridge links cannot be created: $err"
    fi
    ip -n "$id-sw" link set br0 up
    for ((s = 1; s < segments; s++)); do
        ip -n "$id-sw" link add "br$s" type bridge
        ip -n "$id-sw" link set "br$s" up
    done
    add_host "$id" pc "$PC_IP" "$PC_MAC" 0 "$default_route"
    add_pc_segments "$id" "$segments" "$default_route"
    add_host "$id" other "$OTHER_IP" "$OTHER_MAC"
    for ((i = 1; i <= cameras; i++)); do
        segment=$(camera_segment "$i" "$segments")
        add_host "$id" "cam$i" "$(camera_ip "$i" "$segment")" "$(camera_mac "$i")" "$segment"
    done
    write_pc_files "$id" "$hostname_listed"
    if [ "$pc_firewall" -eq 1 ]; then
        set_pc_firewall "$id" on || die "the pc's firewall cannot be set up"
    fi
}

parse_segments() {
    [[ $1 =~ ^[0-9]+$ ]] && [ "$1" -ge 1 ] && [ "$1" -le "$MAX_SEGMENTS" ] ||
        die "--segments takes a number from 1 to $MAX_SEGMENTS, not '$1'"
    echo "$1"
}

parse_cameras() {
    [[ $1 =~ ^[0-9]+$ ]] && [ "$1" -ge 1 ] && [ "$1" -le "$MAX_CAMERAS" ] ||
        die "--cameras takes a number from 1 to $MAX_CAMERAS, not '$1'"
    echo "$1"
}

cmd_up() {
    local id="" cameras=2 hostname_listed=1 segments=1 default_route=1 pc_firewall=0
    while [ $# -gt 0 ]; do
        case $1 in
        --id) id=${2:-}; shift 2 || usage ;;
        --cameras) cameras=$(parse_cameras "${2:-}"); shift 2 || usage ;;
        --unlisted-hostname) hostname_listed=0; shift ;;
        --segments) segments=$(parse_segments "${2:-}"); shift 2 || usage ;;
        --no-default-route) default_route=0; shift ;;
        --pc-firewall) pc_firewall=1; shift ;;
        *) usage ;;
        esac
    done
    valid_id "$id" || die "--id takes tvb<owner pid>[<letter>[letters and digits]], not '$id'"
    [ "$pc_firewall" -eq 0 ] || require_nft
    prepare_bed "$id"
    trap "destroy_bed $id" EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    create_bed "$id" "$cameras" "$hostname_listed" "$segments" "$default_route" "$pc_firewall"
    trap - EXIT INT TERM
    print_environment "$id" "$cameras" "$segments"
}

cmd_down() {
    [ "${1:-}" = --id ] && valid_id "${2:-}" || usage
    destroy_bed "$2"
}

cmd_run() {
    local cameras=2 hostname_listed=1 segments=1 default_route=1 pc_firewall=0 bed_options
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        case $1 in
        --cameras) cameras=$(parse_cameras "${2:-}"); shift 2 || usage ;;
        --unlisted-hostname) hostname_listed=0; shift ;;
        --segments) segments=$(parse_segments "${2:-}"); shift 2 || usage ;;
        --no-default-route) default_route=0; shift ;;
        --pc-firewall) pc_firewall=1; shift ;;
        *) usage ;;
        esac
    done
    [ "${1:-}" = -- ] && [ $# -ge 2 ] || usage
    shift
    [ "$pc_firewall" -eq 0 ] || require_nft

    if [ "$(id -u)" -ne 0 ]; then
        command -v unshare >/dev/null || unavailable "not root, and unshare is not installed"
        unshare -rnm true 2>/dev/null || unavailable "not root, and user namespaces are not allowed"
        bed_options=(--cameras "$cameras" --segments "$segments")
        [ "$hostname_listed" -eq 1 ] || bed_options+=(--unlisted-hostname)
        [ "$default_route" -eq 1 ] || bed_options+=(--no-default-route)
        [ "$pc_firewall" -eq 0 ] || bed_options+=(--pc-firewall)
        exec unshare -rnm --propagation private "$SCRIPT_PATH" run "${bed_options[@]}" -- "$@"
    fi

    local id=tvb$$ status=0 child
    trap 'exit 130' INT
    trap 'exit 143' TERM
    prepare_bed "$id"
    trap "destroy_bed $id" EXIT
    create_bed "$id" "$cameras" "$hostname_listed" "$segments" "$default_route" "$pc_firewall"
    while IFS= read -r line; do
        export "${line?}"
    done < <(print_environment "$id" "$cameras" "$segments")

    # In the background, so that INT and TERM reach these traps at once instead of after the
    # command has ended; the traps pass TERM on, and the EXIT trap removes the bed.
    "$@" <&0 &
    child=$!
    trap "kill -TERM $child 2>/dev/null; wait $child; exit 130" INT
    trap "kill -TERM $child 2>/dev/null; wait $child; exit 143" TERM
    wait "$child" || status=$?
    exit "$status"
}

cmd_exec() {
    local host=${1:-} id=${TESTBED_ID:-}
    shift || usage
    if [ "${1:-}" = --id ]; then
        id=${2:-}
        shift 2 || usage
    fi
    [ "${1:-}" = -- ] && [ $# -ge 2 ] || usage
    shift
    valid_id "$id" || die "no bed: set TESTBED_ID or pass --id"
    [[ $host =~ ^(pc|other|sw|cam[0-9]+)$ ]] || die "unknown host '$host'"
    exec ip netns exec "$id-$host" "$@"
}

cmd_pc_firewall() {
    local state=${1:-} id=${TESTBED_ID:-}
    shift || usage
    [[ $state =~ ^(on|off)$ ]] || usage
    if [ "${1:-}" = --id ]; then
        id=${2:-}
        shift 2 || usage
    fi
    [ $# -eq 0 ] || usage
    valid_id "$id" || die "no bed: set TESTBED_ID or pass --id"
    [ -n "$(namespaces_of "$id")" ] || die "there is no bed named $id"
    require_nft
    set_pc_firewall "$id" off
    [ "$state" = off ] || set_pc_firewall "$id" on
}

main() {
    local command=${1:-}
    shift || usage
    case $command in
    run) cmd_run "$@" ;;
    up) cmd_up "$@" ;;
    down) cmd_down "$@" ;;
    exec) cmd_exec "$@" ;;
    pc-firewall) cmd_pc_firewall "$@" ;;
    prune) prune_dead_beds ;;
    *) usage ;;
    esac
}

main "$@"
