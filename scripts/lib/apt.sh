# shellcheck shell=bash
# Installs, from Debian's archive, those of the given packages that are not installed yet. Source
# it, then: apt_install_missing PACKAGE... Safe to call again: it does nothing when all are there.

apt_install_missing() {
    local package missing=() sudo_cmd=() options=()
    # Options for apt-get come first (--no-install-recommends).
    while [[ ${1:-} == --* ]]; do
        options+=("$1")
        shift
    done
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${options[@]}" \
        "${missing[@]}" >/dev/null
}

# Makes a minimal Debian of SUITE from MIRROR with PACKAGES and what they depend on (not what they
# recommend), in one run of mmdebstrap: at TARGET, a folder, or a tarball when its name ends in
# .tar or .tar.gz. As root. Source it, then: debian_tree SUITE TARGET MIRROR [PACKAGE...]
debian_tree() {
    local suite=$1 target=$2 mirror=$3 include
    shift 3
    include=$(IFS=,; echo "$*")
    apt_install_missing mmdebstrap || return 1
    mmdebstrap --variant=minbase ${include:+"--include=$include"} "$suite" "$target" "$mirror"
}
