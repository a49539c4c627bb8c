# Sourced by the build scripts: installs the Debian packages they need and
# lack, as root or through sudo, waiting for apt's lock rather than failing on
# it. After install_missing, apt_updated says whether apt's lists were read
# afresh (yes or no).
apt_updated=no

# as_root COMMAND...: runs COMMAND as root, through sudo for another user.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# install_missing PACKAGE...: installs those not installed yet, without their
# recommendations.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  apt_get update -qq
  apt_updated=yes
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
}
