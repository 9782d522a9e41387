# The Debian package on a clean system, as a new user meets it: a minimal
# Debian 12 (debootstrap --variant=minbase, kept as a tarball between runs)
# unpacked afresh, the package installed with apt and its dependencies, the
# program's libraries and font checked, the program started on a private X
# server of the host and closed, then the package purged with what it pulled
# in, after which the system must hold exactly the files it held before.
# Packages come from the Debian 12 mirror of the machine's own apt sources,
# through its apt proxy if it has one.
#
# The system cannot reach the host: its package scripts may start no service
# (policy-rc.d), it sees the X server through a link of its own to the one
# socket, and whatever still runs in it when the check ends is reported,
# ended and the check failed; its mounts are undone on every way out, and
# its tree is deleted only once nothing is mounted in it.
#
#   check_on_clean_debian DEB   (as root; needs setup.sh and xvfb.sh sourced)

clean_debian_cache=${XDG_CACHE_HOME:-$HOME/.cache}/marelto/debian-12-minbase
clean_debian_suite=bookworm

# The first mirror among the machine's deb sources that carries the suite
# itself (not only its -updates or -security), in either source-list format.
clean_debian_mirror() {
  local file
  {
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [ -f "$file" ] || continue
      sed -nE "s/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([a-z]+:[^[:space:]]+)[[:space:]]+$clean_debian_suite[[:space:]].*$/\2/p" "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
      [ -f "$file" ] || continue
      awk -v suite="$clean_debian_suite" '
        function stanza_end() {
          if (deb && carries && enabled && uri != "") print uri
          deb = carries = 0; enabled = 1; uri = ""
        }
        BEGIN { enabled = 1 }
        /^[[:space:]]*$/ { stanza_end(); next }
        /^Types:/ { deb = (" " $0 " ") ~ /[[:space:]]deb[[:space:]]/ }
        /^Suites:/ { carries = index(" " $0 " ", " " suite " ") > 0 }
        /^URIs:/ { uri = $2 }
        /^Enabled:[[:space:]]*no/ { enabled = 0 }
        END { stanza_end() }' "$file"
    done
  } | head -n 1
}

# The machine's apt proxy for http, empty without one.
clean_debian_proxy() {
  apt-config dump --no-empty --format '%v%n' Acquire::http::Proxy | head -n 1
}

# Makes the pristine system once, from MIRROR through PROXY (may be empty).
clean_debian_image() {
  local mirror=$1 proxy=$2 image=$clean_debian_cache/root.tar
  [ -f "$image" ] && { echo "$image"; return 0; }
  ensure_packages "${marelto_clean_debian_packages[@]}" >&2
  local work=$clean_debian_cache/work via=()
  [ -z "$proxy" ] || via=("http_proxy=$proxy")
  rm -rf "$work"
  mkdir -p "$work"
  echo "making a minimal Debian 12 with debootstrap from $mirror (once)" >&2
  /usr/bin/env "${via[@]}" debootstrap --variant=minbase "$clean_debian_suite" "$work/root" "$mirror" \
    >"$work/debootstrap.log" 2>&1 || { tail -n 20 "$work/debootstrap.log" >&2; return 1; }
  tar -C "$work/root" -cf "$image.partial" .
  mv "$image.partial" "$image"
  rm -rf "$work"
  echo "$image"
}

# Every file and link of the system except the ones apt, dpkg and the
# running programs change by themselves, and the traces the dependencies'
# own scripts leave for good: D-Bus's machine id, the backups useradd makes
# of the user and group files, the mount table link.
clean_debian_files() {
  (cd "$1" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./run -o -path ./tmp \
      -o -path ./var/cache -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log \
      -o -path ./root -o -path ./etc/ld.so.cache -o -path ./etc/machine-id -o -path ./etc/mtab \
      -o -path ./etc/shadow- -o -path ./etc/gshadow- \) -prune -o \( -type f -o -type l \) -print | sort)
}

# Runs a command inside the unpacked system, with a clean environment.
in_clean_debian() {
  chroot "$clean_debian_root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

clean_debian_steps() {
  local deb=$1 root=$clean_debian_root before after count_before status
  before=$(clean_debian_files "$root")
  cp "$deb" "$root/tmp/marelto.deb"
  in_clean_debian apt-get update -qq || return 1
  count_before=$(in_clean_debian dpkg-query -W -f='${Package}\n' | wc -l)
  in_clean_debian apt-get install -y -qq /tmp/marelto.deb >/dev/null \
    || { echo "apt-get install of the package failed" >&2; return 1; }
  echo "installed with $(($(in_clean_debian dpkg-query -W -f='${Package}\n' | wc -l) - count_before)) packages;" \
    "/usr now holds $(du -sm "$root/usr" | cut -f1) MB"

  if in_clean_debian ldd /usr/bin/marelto | grep 'not found' >&2; then
    echo "the installed program misses libraries" >&2
    return 1
  fi
  # The font the layout was sized for came with the package.
  ls "$root"/usr/share/fonts/truetype/liberation*/LiberationSans-Regular.ttf >/dev/null 2>&1 \
    || { echo "the package brought no Liberation Sans" >&2; return 1; }

  in_clean_debian DISPLAY="$marelto_display" XDG_RUNTIME_DIR=/tmp /usr/bin/marelto \
    >"$root/tmp/marelto.log" 2>&1 &
  local pid=$!
  status=0
  DISPLAY=$marelto_display /usr/bin/python3 "$marelto_root/scripts/lib/close_window.py" "Marelto" 60 || status=$?
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    echo "the program on the clean system did not exit when its window was closed" >&2
    return 1
  fi
  if ! wait "$pid" || [ "$status" -ne 0 ]; then
    cat "$root/tmp/marelto.log" >&2
    echo "the program on the clean system failed (window check $status)" >&2
    return 1
  fi
  echo "the program started on the clean system and closed"

  in_clean_debian apt-get purge -y -qq marelto >/dev/null || return 1
  in_clean_debian apt-get autoremove --purge -y -qq >/dev/null || return 1
  rm -f "$root/tmp/marelto.deb" "$root/tmp/marelto.log"
  after=$(clean_debian_files "$root")
  if [ "$before" != "$after" ]; then
    echo "the purge left the system changed:" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    return 1
  fi
  echo "purged with its dependencies: the system holds the files it held before"
}

# The processes whose root is the unpacked system.
clean_debian_processes() {
  local entry
  for entry in /proc/[0-9]*; do
    [ "$(readlink "$entry/root" 2>/dev/null)" = "$clean_debian_root" ] && echo "${entry#/proc/}"
  done
  return 0
}

# The mount points inside the unpacked system, the deepest first.
clean_debian_mounts() {
  awk -v under="$clean_debian_root/" 'index($5, under) == 1 { print $5 }' /proc/self/mountinfo | sort -r
}

# The EXIT trap of check_on_clean_debian: ends what still runs in the system,
# stops the X server, undoes the mounts and deletes the tree, keeping it
# (and failing) if anything stays mounted in it.
clean_debian_teardown() {
  local status=$? pids pid mounted
  mapfile -t pids < <(clean_debian_processes)
  if [ ${#pids[@]} -gt 0 ]; then
    echo "still running on the clean system when the check ended:" >&2
    for pid in "${pids[@]}"; do
      echo "  $pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)" >&2
    done
    kill -TERM "${pids[@]}" 2>/dev/null || true
    for _ in $(seq 100); do
      mapfile -t pids < <(clean_debian_processes)
      [ ${#pids[@]} -eq 0 ] && break
      sleep 0.1
    done
    [ ${#pids[@]} -eq 0 ] || kill -KILL "${pids[@]}" 2>/dev/null || true
    for _ in $(seq 50); do
      mapfile -t pids < <(clean_debian_processes)
      [ ${#pids[@]} -eq 0 ] && break
      sleep 0.1
    done
    [ ${#pids[@]} -eq 0 ] || echo "and could not be ended: ${pids[*]}" >&2
    status=1
  fi
  [ -n "${marelto_xvfb_pid:-}" ] && stop_xvfb
  while read -r mounted; do
    umount "$mounted" || true
  done < <(clean_debian_mounts)
  if [ -n "$(clean_debian_mounts)" ] || [ ${#pids[@]} -gt 0 ]; then
    echo "kept $clean_debian_root: still in use" >&2
    clean_debian_mounts >&2
    exit 1
  fi
  rm -rf --one-file-system "$clean_debian_root"
  exit "$status"
}

# A subshell, so that its EXIT trap takes the system down on every way out.
check_on_clean_debian() (
  local deb=$1 mirror proxy image archives socket
  [ "$(id -u)" -eq 0 ] || { echo "the clean-system check needs root (chroot and mounts)" >&2; exit 1; }
  mirror=$(clean_debian_mirror)
  [ -n "$mirror" ] || { echo "the machine's apt sources name no mirror of Debian's $clean_debian_suite" >&2; exit 1; }
  proxy=$(clean_debian_proxy)
  image=$(clean_debian_image "$mirror" "$proxy")
  # On /tmp's file system, so that the X server's socket can be linked into it.
  clean_debian_root=$(mktemp -d /tmp/marelto-debian.XXXXXXXX)
  trap clean_debian_teardown EXIT
  trap 'exit 1' INT TERM HUP
  archives=$clean_debian_cache/archives
  mkdir -p "$archives/partial"
  tar -C "$clean_debian_root" -xf "$image"
  cp /etc/resolv.conf "$clean_debian_root/etc/resolv.conf"
  # The mirror and proxy of this machine, whichever made the image.
  echo "deb $mirror $clean_debian_suite main" >"$clean_debian_root/etc/apt/sources.list"
  [ -z "$proxy" ] || echo "Acquire::http::Proxy \"$proxy\";" >"$clean_debian_root/etc/apt/apt.conf.d/00proxy"
  # No service starts here: a daemon the dependencies' scripts start would
  # outlive the system or act on the host's files through its mounts.
  printf '#!/bin/sh\nexit 101\n' >"$clean_debian_root/usr/sbin/policy-rc.d"
  chmod 755 "$clean_debian_root/usr/sbin/policy-rc.d"
  mount -t proc proc "$clean_debian_root/proc"
  mount --bind /dev "$clean_debian_root/dev"
  # Downloaded packages are kept for the next run.
  mount --bind "$archives" "$clean_debian_root/var/cache/apt/archives"
  start_xvfb
  # The system's own socket folder holds a link to the one socket, so its
  # package scripts may make, change or remove that folder as they like.
  socket=X${marelto_display#:}
  mkdir -m 1777 "$clean_debian_root/tmp/.X11-unix"
  ln "/tmp/.X11-unix/$socket" "$clean_debian_root/tmp/.X11-unix/$socket"

  clean_debian_steps "$deb"
)
