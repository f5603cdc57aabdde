#!/usr/bin/env bash
# Installs this build tree with `cmake --install` into a temporary root
# (DESTDIR, prefix /usr, the layout of the Debian package) and checks what a
# user would get: the programs run from the installed files, the desktop entry
# and the AppStream metadata validate, the icons and manual pages are there.
#
# Usage: install-test.sh --build DIR --version X.Y --gui 0|1 --pdf-module PATH --atlas-module PATH
#                        [--config CFG] [--keep]
#   --pdf-module PATH    where lunarys-cli's PDF module is installed, under the prefix
#   --atlas-module PATH  where lunarys-cli's atlas module is installed, under the prefix
#                        (its people module, lunarys-people.so, lies beside it)
#
# Needs: cmake, python3, desktop-file-validate (desktop-file-utils),
# appstreamcli (appstream), groff (groff-base), gzip, readelf (binutils).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build='' version='' gui='' pdf_module='' atlas_module='' config='' keep=0
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --version) version=$2; shift 2 ;;
    --gui) gui=$2; shift 2 ;;
    --pdf-module) pdf_module=$2; shift 2 ;;
    --atlas-module) atlas_module=$2; shift 2 ;;
    --config) config=$2; shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "install-test: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -n "$build" ] && [ -n "$version" ] && [ -n "$gui" ] && [ -n "$pdf_module" ] && [ -n "$atlas_module" ] || {
  echo "usage: install-test.sh --build DIR --version X.Y --gui 0|1 --pdf-module PATH --atlas-module PATH [--config CFG] [--keep]" >&2; exit 2; }

# shellcheck source=checks.sh
. "$here/checks.sh"
require_tools cmake python3 desktop-file-validate appstreamcli groff gzip readelf

root=$(mktemp -d "${TMPDIR:-/tmp}/lunarys-install.XXXXXX")
if [ "$keep" = 1 ]; then echo "install-test: keeping $root"; else trap 'rm -rf "$root"' EXIT; fi

step "cmake --install into $root (prefix /usr)"
install_args=(--install "$build" --prefix /usr)
[ -n "$config" ] && install_args+=(--config "$config")
DESTDIR=$root cmake "${install_args[@]}" > "$root.log" 2>&1 || { cat "$root.log" >&2; rm -f "$root.log"; fail "cmake --install failed"; }
rm -f "$root.log"

people_module=${atlas_module%/*}/lunarys-people.so

# The installed tree holds exactly these files, no more (no test programs,
# static libraries or headers) and no fewer.
expected=(usr/bin/lunarys-cli "usr/$pdf_module" "usr/$atlas_module" "usr/$people_module" usr/share/man/man1/lunarys-cli.1.gz
          usr/share/doc/lunarys/copyright usr/share/doc/lunarys/changelog.Debian.gz)
if [ "$gui" = 1 ]; then
  expected+=(usr/bin/lunarys usr/share/man/man1/lunarys.1.gz
             "usr/share/applications/$APP_ID.desktop" "usr/share/metainfo/$APP_ID.metainfo.xml"
             "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg")
  for n in $ICON_SIZES; do expected+=("usr/share/icons/hicolor/${n}x${n}/apps/$APP_ID.png"); done
fi
check_file_set "$root" "${expected[@]}"

check_no_build_runpath "$root/usr/bin/lunarys-cli" "$build"
check_no_build_runpath "$root/usr/$pdf_module" "$build"
check_no_build_runpath "$root/usr/$atlas_module" "$build"
check_no_build_runpath "$root/usr/$people_module" "$build"
check_cli_links_qt_core_alone "$root/usr/bin/lunarys-cli"
check_cli "$version" "$root/usr/bin/lunarys-cli"
check_man_page "$root/usr/share/man/man1/lunarys-cli.1.gz" "$version" "$root/usr/bin/lunarys-cli"
check_debian_docs "$root/usr/share/doc/lunarys" "$version"

if [ "$gui" = 1 ]; then
  check_no_build_runpath "$root/usr/bin/lunarys" "$build"
  check_man_page "$root/usr/share/man/man1/lunarys.1.gz" "$version"
  check_desktop_integration "$root" "$root/usr/bin" "$version"
  mkdir "$root/scratch"
  check_gui_starts "$root/scratch" "$root/scratch" "$root/usr/bin/lunarys"
fi

echo "install-test: all checks passed"
