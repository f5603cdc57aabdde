#!/usr/bin/env bash
# The Debian package as a user gets it: builds lunarys_<version>-1_<arch>.deb
# with CPack from a built tree, checks its control fields (the library
# dependencies are computed by dpkg-shlibdeps), installs it with apt into a
# fresh minimal Debian root made by debootstrap, without recommended packages,
# runs both programs from the installed files there (the desktop program also
# on an X server, Xvfb), checks the desktop integration, then purges the
# package and checks nothing of it is left.
#
# Usage: package-test.sh --build DIR [--gui 0|1] [--extract] [--keep]
#   --build DIR  a configured and built tree (cmake --build DIR done)
#   --gui 0|1    whether the package must hold the desktop program
#                (default: LUNARYS_BUILD_GUI of the build tree)
#   --extract    no fresh root: unpack the package with dpkg -x and run the
#                programs against this machine's libraries (offline; weaker)
#   --keep       keep the work folder for a look afterwards
#
# Needs root (chroot), the network to the Debian mirror that apt uses here,
# and: cpack, dpkg-dev (dpkg-shlibdeps), lintian, debootstrap, util-linux
# (unshare), python3, desktop-file-utils, appstream, groff-base, binutils, and
# for the desktop program xvfb and x11-utils (xwininfo).
# Environment: LUNARYS_DEBIAN_MIRROR overrides the mirror taken from apt.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=checks.sh
. "$here/checks.sh"

# --- Inside the fresh root's own mount namespace (see below) -----------------
if [ "${1:-}" = --inside ]; then
  root=$2 deb=$3 version=$4 gui=$5 pdf_module=$6 atlas_module=$7
  people_module=${atlas_module%/*}/lunarys-people.so
  mount -t proc proc "$root/proc"
  mount -t tmpfs tmpfs "$root/dev/shm"
  in_root() { chroot "$root" "$@"; }

  step "apt-get install --no-install-recommends ./$(basename "$deb") in the fresh root"
  cp "$deb" "$root/tmp/"
  export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
  in_root apt-get update -q > "$root/tmp/apt.log" 2>&1 \
    && in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >> "$root/tmp/apt.log" 2>&1 \
    || { tail -n 30 "$root/tmp/apt.log" >&2; fail "apt-get could not install the package"; }
  echo "   packages fetched: $(grep -c '^Get:' "$root/tmp/apt.log" || true)"

  step "dpkg: the package is installed with the expected files"
  # shellcheck disable=SC2016  # dpkg-query's own ${...} fields
  [ "$(in_root dpkg-query -W -f '${Status} ${Version}' lunarys)" = "install ok installed $version-1" ] \
    || fail "dpkg does not report lunarys $version-1 as installed"
  in_root dpkg-query -L lunarys > "$root/tmp/files"
  expected=(/usr/bin/lunarys-cli "$pdf_module" "$atlas_module" "$people_module" /usr/share/man/man1/lunarys-cli.1.gz
            /usr/share/doc/lunarys/copyright /usr/share/doc/lunarys/changelog.Debian.gz)
  if [ "$gui" = 1 ]; then
    expected+=(/usr/bin/lunarys /usr/share/man/man1/lunarys.1.gz
               "/usr/share/applications/$APP_ID.desktop" "/usr/share/metainfo/$APP_ID.metainfo.xml"
               "/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg")
    for n in $ICON_SIZES; do expected+=("/usr/share/icons/hicolor/${n}x${n}/apps/$APP_ID.png"); done
  fi
  files=$(while read -r f; do [ -d "$root$f" ] || echo "$f"; done < "$root/tmp/files" | LC_ALL=C sort)
  [ "$files" = "$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)" ] \
    || fail "the package installs these files: ${files//$'\n'/ }; expected: ${expected[*]}"

  check_cli "$version" chroot "$root" /usr/bin/lunarys-cli
  check_man_page "$root/usr/share/man/man1/lunarys-cli.1.gz" "$version" chroot "$root" /usr/bin/lunarys-cli
  check_debian_docs "$root/usr/share/doc/lunarys" "$version"
  if [ "$gui" = 1 ]; then
    check_man_page "$root/usr/share/man/man1/lunarys.1.gz" "$version"
    check_desktop_integration "$root" "$root/usr/bin" "$version"
    mkdir -p "$root/tmp/gui"
    check_gui_starts "$root/tmp/gui" /tmp/gui chroot "$root" /usr/bin/lunarys
    # The X server runs outside the root; its socket folder is shared with it.
    [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    check_gui_window_x11 "$root/tmp/gui" /tmp/gui chroot "$root" /usr/bin/lunarys
  fi

  step "apt-get purge lunarys leaves none of its files"
  in_root apt-get purge -y -q lunarys > "$root/tmp/apt.log" 2>&1 || { cat "$root/tmp/apt.log" >&2; fail "apt-get purge failed"; }
  while read -r f; do
    [ -d "$root$f" ] || [ ! -e "$root$f" ] || fail "$f is still there after purging the package"
  done < "$root/tmp/files"
  exit 0
fi

# --- Outside ---------------------------------------------------------------------
build='' gui='' extract=0 keep=0
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    --gui) gui=$2; shift 2 ;;
    --extract) extract=1; shift ;;
    --keep) keep=1; shift ;;
    *) echo "package-test: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -n "$build" ] && [ -f "$build/CPackConfig.cmake" ] || {
  echo "usage: package-test.sh --build DIR [--gui 0|1] [--extract] [--keep] (DIR: a configured, built tree)" >&2; exit 2; }

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache_value CMAKE_PROJECT_VERSION)
# lunarys-cli's PDF and atlas modules (and its people module beside them), in
# the package's library folder.
pdf_module=/usr/$(cache_value CMAKE_INSTALL_LIBDIR)/lunarys/lunarys-pdf.so
atlas_module=/usr/$(cache_value CMAKE_INSTALL_LIBDIR)/lunarys/lunarys-atlas.so
[ -n "$version" ] || fail "no CMAKE_PROJECT_VERSION in $build/CMakeCache.txt"
if [ -z "$gui" ]; then
  case $(cache_value LUNARYS_BUILD_GUI) in ON|on|1|TRUE|true|YES|yes) gui=1 ;; *) gui=0 ;; esac
fi

require_tools cpack dpkg dpkg-deb dpkg-shlibdeps lintian python3 desktop-file-validate appstreamcli groff gzip readelf
[ "$gui" = 0 ] || require_tools Xvfb xwininfo
if [ "$extract" = 0 ]; then
  require_tools debootstrap unshare chroot
  [ "$(id -u)" = 0 ] || fail "the fresh-root test needs root (chroot); use --extract otherwise"
fi

start=$SECONDS
work=$(mktemp -d "${TMPDIR:-/tmp}/lunarys-package.XXXXXX")
cleanup() {
  # Mounts live only in the namespace of the --inside run; make sure before deleting.
  if grep -qF " $work/" /proc/mounts; then
    echo "package-test: $work still has mounts; not deleting it" >&2
  elif [ "$keep" = 1 ]; then
    echo "package-test: keeping $work"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

step "cpack -G DEB (version $version, desktop program: $gui)"
(cd "$build" && cpack -G DEB -B "$work/pkg" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
arch=$(dpkg --print-architecture)
deb=$work/pkg/lunarys_${version}-1_${arch}.deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$work/pkg")"

step "control fields of $(basename "$deb")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lunarys ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version), expected $version-1"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
for f in Maintainer Section Priority Description Installed-Size; do
  [ -n "$(field "$f")" ] || fail "the $f field is empty"
done
depends=$(field Depends)
echo "   Depends: $depends"
# The atlas reads the place names of other languages (libgeonames-common,
# through libgeonames0), ISO codes (iso-codes) and the zone table (tzdata).
required=(libc6 libstdc++6 libqt6core6 libqt6sql6 libqt6sql6-sqlite iso-codes tzdata)
[ "$gui" = 1 ] && required+=(libqt6gui6 libqt6widgets6)
# Programs and modules that look places up link libgeonames, whose package
# dpkg-shlibdeps must then have found.
dpkg-deb -x "$deb" "$work/contents"
if readelf -d "$work/contents/usr/bin/"* "$work/contents/usr/lib/"*/lunarys/*.so | grep -q 'NEEDED.*\[libgeonames\.so'; then
  required+=(libgeonames0)
fi
depends_names=$(tr ',|' '\n\n' <<< "$depends" | sed 's/^ *//; s/[ :(].*//')
for p in "${required[@]}"; do
  grep -qxF "$p" <<< "$depends_names" || fail "Depends lacks $p: $depends"
done
# Every library dependency is versioned, as dpkg-shlibdeps writes them (a
# hand-written list would hardly be).
grep -qE "libqt6core6 \(>= [0-9.]+\)" <<< "$depends" || fail "libqt6core6 has no version in Depends: computed by dpkg-shlibdeps?"

step "lintian $(basename "$deb"): no errors"
lint=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges') || true
[ -z "$lint" ] || echo "$lint" | sed 's/^/   /'
if grep -q '^E: ' <<< "$lint"; then fail "lintian finds errors in the package"; fi

if [ "$extract" = 1 ]; then
  step "dpkg -x into $work/root (programs run against this machine's libraries)"
  dpkg -x "$deb" "$work/root"
  check_cli "$version" "$work/root/usr/bin/lunarys-cli"
  check_man_page "$work/root/usr/share/man/man1/lunarys-cli.1.gz" "$version" "$work/root/usr/bin/lunarys-cli"
  check_debian_docs "$work/root/usr/share/doc/lunarys" "$version"
  if [ "$gui" = 1 ]; then
    check_man_page "$work/root/usr/share/man/man1/lunarys.1.gz" "$version"
    check_desktop_integration "$work/root" "$work/root/usr/bin" "$version"
    mkdir -p "$work/gui"
    check_gui_starts "$work/gui" "$work/gui" "$work/root/usr/bin/lunarys"
    check_gui_window_x11 "$work/gui" "$work/gui" "$work/root/usr/bin/lunarys"
  fi
  echo "package-test: all checks passed (extracted package, $((SECONDS - start)) s)"
  exit 0
fi

# The fresh root: Debian of this machine's release, from the mirror apt uses here.
. /etc/os-release
codename=${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}
mirror=${LUNARYS_DEBIAN_MIRROR:-$(apt-cache policy | awk -v s="$codename/main" '$3 == s && $2 ~ /^https?:/ { print $2; exit }')}
[ -n "$mirror" ] || fail "found no Debian mirror for $codename/main in 'apt-cache policy'; set LUNARYS_DEBIAN_MIRROR"

step "debootstrap --variant=minbase $codename from $mirror"
t=$SECONDS
# A download that breaks off is the network's fault, not the package's: try again.
for attempt in 1 2 3; do
  rm -rf "$work/root"
  debootstrap --variant=minbase "$codename" "$work/root" "$mirror" > "$work/debootstrap.log" 2>&1 && break
  [ "$attempt" -lt 3 ] || { tail -n 30 "$work/debootstrap.log" >&2; fail "debootstrap failed 3 times"; }
  echo "   debootstrap failed (attempt $attempt), trying again"
  sleep 10
done
echo "   fresh root made in $((SECONDS - t)) s"

# Everything that runs in the root, in a mount namespace of its own: its
# /proc and /dev/shm mounts end with it, whatever happens.
unshare --mount --propagation private -- bash "$0" --inside "$work/root" "$deb" "$version" "$gui" "$pdf_module" "$atlas_module"

echo "package-test: all checks passed (fresh $codename root, $((SECONDS - start)) s)"
