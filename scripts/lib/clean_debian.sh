# The Debian package on a clean system, as a new user meets it: a minimal
# Debian 12 (debootstrap --variant=minbase, kept as a tarball between runs)
# unpacked afresh, the package installed with apt and its dependencies, the
# program's libraries and font checked, the program started on a private X
# server of the host and closed, then the package purged with what it pulled
# in, after which the system must hold exactly the files it held before.
#
#   check_on_clean_debian DEB   (as root; needs setup.sh and xvfb.sh sourced)

clean_debian_cache=${XDG_CACHE_HOME:-$HOME/.cache}/marelto/debian-12-minbase
clean_debian_mirror=http://deb.debian.org/debian

# Makes the pristine system once.
clean_debian_image() {
  local image=$clean_debian_cache/root.tar
  [ -f "$image" ] && { echo "$image"; return 0; }
  ensure_packages "${marelto_clean_debian_packages[@]}" >&2
  local work=$clean_debian_cache/work
  rm -rf "$work"
  mkdir -p "$work"
  echo "making a minimal Debian 12 with debootstrap (once)" >&2
  debootstrap --variant=minbase bookworm "$work/root" "$clean_debian_mirror" >"$work/debootstrap.log" 2>&1 \
    || { tail -n 20 "$work/debootstrap.log" >&2; return 1; }
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

check_on_clean_debian() {
  local deb=$1 image archives result=0
  [ "$(id -u)" -eq 0 ] || { echo "the clean-system check needs root (chroot and mounts)" >&2; return 1; }
  image=$(clean_debian_image) || return 1
  clean_debian_root=$(mktemp -d)
  archives=$clean_debian_cache/archives
  mkdir -p "$archives/partial"
  tar -C "$clean_debian_root" -xf "$image"
  cp /etc/resolv.conf "$clean_debian_root/etc/resolv.conf"
  mount -t proc proc "$clean_debian_root/proc"
  mount --bind /dev "$clean_debian_root/dev"
  # Downloaded packages are kept for the next run.
  mount --bind "$archives" "$clean_debian_root/var/cache/apt/archives"
  start_xvfb
  mkdir -p "$clean_debian_root/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$clean_debian_root/tmp/.X11-unix"

  clean_debian_steps "$deb" || result=$?

  stop_xvfb
  local mounted
  for mounted in tmp/.X11-unix var/cache/apt/archives dev proc; do
    umount "$clean_debian_root/$mounted" || umount -l "$clean_debian_root/$mounted"
  done
  rm -rf --one-file-system "$clean_debian_root"
  return "$result"
}
