#!/usr/bin/env bash
# Installs Debian packages, and copes with a package mirror caught in the middle of a sync.
#
#   bash scripts/apt-install.sh PACKAGE...
#
# Installs only what is missing (no apt at all when nothing is). `apt-get update` is tried a few
# times; an index that still cannot be fetched is named on one line and the install goes on
# without it. When the install cannot be resolved (a suite half-synced: amd64 libraries newer
# than their i386 twins), it is tried once more with the suites whose index failed left out,
# through a temporary sources folder and package lists given to those apt calls only; the
# machine's own sources and lists are never edited. Whatever still fails ends with one line
# saying what could not be had and what to do.
set -uo pipefail

update_tries=${QC_APT_UPDATE_TRIES:-3}
update_pause=${QC_APT_UPDATE_PAUSE:-10}

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
apt_env=(env DEBIAN_FRONTEND=noninteractive)

missing=()
for p in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi
echo "setup: installing ${missing[*]}"

for p in "${missing[@]}"; do
  if [[ $p == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    break
  fi
done

log=$(mktemp)
install_log=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$log" "$work" "$install_log"' EXIT

# The failed indexes of an update's output, one "URI SUITE" a line: apt names each on an Err line
# ("Err:5 http://deb.debian.org/debian-security bookworm-security/main i386 Packages").
failed_suites() {
  awk '/^Err:/ { suite = $3; sub(/\/.*/, "", suite); print $2, suite }' "$1" | sort -u
}

# apt-get update, tried again after a pause while some index fails. Returns the failed suites of
# the last try on standard output.
update_with_retries() {
  local try
  for ((try = 1; try <= update_tries; try++)); do
    if "${sudo_cmd[@]}" apt-get "$@" update -q >"$log" 2>&1; then
      cat "$log" >&2
      return 0
    fi
    cat "$log" >&2
    if ((try < update_tries)); then
      echo "setup: apt-get update failed (try $try of $update_tries); trying again in ${update_pause} s" >&2
      sleep "$update_pause"
    fi
  done
  failed_suites "$log"
  return 1
}

install_packages() {
  "${apt_env[@]}" "${sudo_cmd[@]}" apt-get "$@" install -y -q --no-install-recommends "${missing[@]}" \
    2>&1 | tee "$install_log"
}

failed=$(update_with_retries)
if [ -n "$failed" ]; then
  while read -r uri suite; do
    echo "setup: could not fetch the package index of $uri $suite; going on without it"
  done <<<"$failed"
fi

if install_packages; then
  exit 0
fi

if [ -n "$failed" ]; then
  echo "setup: the install could not be resolved; trying once more without $(awk '{print $2}' <<<"$failed" | sort -u | paste -sd, -)"
  mkdir -p "$work/lists/partial"
  bash "$(dirname "$0")/apt-sources-without.sh" /etc/apt "$work/sources" <<<"$failed"
  options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/sources"
           -o "Dir::State::Lists=$work/lists")
  update_with_retries "${options[@]}" >/dev/null
  if install_packages "${options[@]}"; then
    exit 0
  fi
fi

unknown=$(sed -n 's/^E: Unable to locate package //p' "$install_log" | sort -u | paste -sd' ' -)
if [ -n "$unknown" ]; then
  echo "setup: no package named $unknown in the machine's package sources; check the name, or the sources under /etc/apt" >&2
  exit 1
fi
echo "setup: could not install ${missing[*]}${failed:+ (index not fetched: $(paste -sd, - <<<"$failed"))};" \
  "the package mirror may be in the middle of a sync: run make again in a few minutes," \
  "or install these packages by hand with apt-get" >&2
exit 1
