# shellcheck shell=bash
# Checks of an installed Lunarys, shared by install-test.sh (cmake --install
# into a temporary root) and package-test.sh (the .deb installed into a fresh
# Debian root). Sourced, not run. Each check prints what it does and exits the
# shell with a message on the first fault.
#
# Programs are given as a command: a path, or e.g. `chroot ROOT /usr/bin/lunarys-cli`.

APP_ID=org.lunarys.Lunarys
ICON_SIZES="16 32 48 64 128 256"
# The 1990-07-04 example: Mumbai, Indian time (zone 34).
EXAMPLE_ARGS=(--name "Mary Ann" --date 1990-07-04 --time 06:30 --zone 34 --lon 72:50E --lat 18:57N)

step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

require_tools() {
  local missing=() t
  for t in "$@"; do command -v "$t" > /dev/null 2>&1 || missing+=("$t"); done
  [ ${#missing[@]} -eq 0 ] || fail "missing tools: ${missing[*]} (see the README's set-up commands)"
}

# check_file_set ROOT RELPATH...: the files (and links) under ROOT are exactly these.
check_file_set() {
  local root=$1; shift
  step "installed files are exactly the expected $# files"
  local want have
  want=$(printf '%s\n' "$@" | LC_ALL=C sort)
  have=$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
  if [ "$want" != "$have" ]; then
    diff <(echo "$want") <(echo "$have") | sed 's/^</  missing:/; s/^>/  unexpected:/' | grep -E 'missing|unexpected' >&2 || true
    fail "installed files differ from the expected set"
  fi
}

# check_no_build_runpath BINARY BUILD_DIR: the installed program (or module)
# does not look for libraries in the build tree (it would work here and
# nowhere else).
check_no_build_runpath() {
  local bin=$1 build
  build=$(cd "$2" && pwd -P)
  step "no build-tree library path in $(basename "$bin")"
  [ -f "$bin" ] || fail "$bin is not there"
  case $bin in *.so) ;; *) [ -x "$bin" ] || fail "$bin is not an executable file" ;; esac
  local dyn
  dyn=$(readelf -d "$bin") || fail "readelf cannot read $bin"
  if grep -E '\((RUNPATH|RPATH)\)' <<< "$dyn" | grep -qF "$build"; then
    fail "$bin keeps a library path into the build tree: $(grep -E 'RUNPATH|RPATH' <<< "$dyn")"
  fi
}

# check_cli_links_qt_core_alone BINARY: lunarys-cli needs neither Qt Gui nor
# libgeonames with GIO and GObject nor Qt SQL: those come with its modules,
# loaded only for a PDF, for a place and for kept people, so that every other
# run starts faster.
check_cli_links_qt_core_alone() {
  local bin=$1 needed
  step "$(basename "$bin") is linked to neither Qt Gui nor libgeonames, GIO, GObject nor Qt SQL"
  needed=$(readelf -d "$bin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') || fail "readelf cannot read $bin"
  grep -q '^libQt6Core' <<< "$needed" || fail "$bin does not need Qt Core? NEEDED: ${needed//$'\n'/ }"
  if grep -E '^lib(Qt6Gui|Qt6Sql|geonames|gio-2|gobject-2)' <<< "$needed"; then
    fail "$bin is linked to libraries it should load only when asked: ${needed//$'\n'/ }"
  fi
}

# check_cli VERSION CMD...: the installed lunarys-cli prints its version, reads
# the 1990-07-04 example as JSON and as PDF (through its PDF module), finds a
# place by another of its names (through its atlas module), and refuses a date
# it cannot use.
check_cli() {
  local version=$1; shift
  step "lunarys-cli --version"
  local out
  out=$("$@" --version) || fail "lunarys-cli --version exited with $?"
  [ "$out" = "lunarys-cli $version" ] || fail "lunarys-cli --version printed '$out', expected 'lunarys-cli $version'"

  step "lunarys-cli --json with the 1990-07-04 example"
  out=$("$@" --json "${EXAMPLE_ARGS[@]}") || fail "lunarys-cli --json exited with $?"
  python3 - "$out" <<'PY' || fail "the JSON reading of the 1990-07-04 example is wrong"
import json, sys
r = json.loads(sys.argv[1])
want = {("name",): "MARY ANN", ("sun", "sign"): "Cancer", ("moon", "sign"): "Scorpio",
        ("ascendant", "text"): "16 Can 22", ("midpoint", "sign"): "Virgo", ("house", "number"): 3}
bad = []
for path, value in want.items():
    got = r
    for key in path:
        got = got.get(key) if isinstance(got, dict) else None
    if got != value:
        bad.append(f"{'.'.join(path)} = {got!r}, expected {value!r}")
# The interpretive texts are compiled into the program; an installed program
# without them would print empty texts.
texts = r.get("texts") or {}
for key in ("sunInSign", "moonInSign", "generalTraits", "houseText"):
    if not isinstance(texts.get(key), str) or len(texts[key]) < 100:
        bad.append(f"texts.{key} is missing or too short")
for b in bad:
    print("  " + b, file=sys.stderr)
sys.exit(1 if bad else 0)
PY

  step "lunarys-cli --format pdf with the 1990-07-04 example"
  out=$("$@" --format pdf --output /dev/stdout "${EXAMPLE_ARGS[@]}" | { head -c 5; cat > /dev/null; }) \
    || fail "lunarys-cli --format pdf failed"
  [ "$out" = "%PDF-" ] || fail "lunarys-cli --format pdf wrote no PDF (it begins '$out')"

  step "lunarys-cli --places Bombay (the atlas module, libgeonames' catalogs)"
  out=$("$@" --places Bombay --json) || fail "lunarys-cli --places Bombay failed"
  python3 - "$out" <<'PY' || fail "lunarys-cli --places Bombay did not find Mumbai by its other name"
import json, sys
first = json.loads(sys.argv[1])[0]
sys.exit(0 if (first["name"], first["country"], first["matched"]) == ("Mumbai", "India", "Bombay") else 1)
PY

  step "lunarys-cli --keep and --people (the people module, Qt SQL's SQLite driver)"
  # A path that is the same in a chroot's /tmp and in the host's.
  local people=/tmp/lunarys-check-people-$$.sqlite
  rm -f "$people"
  out=$("$@" --people-file "$people" --keep "${EXAMPLE_ARGS[@]}" 2>&1 > /dev/null) || fail "lunarys-cli --keep failed: $out"
  [ "$out" = "Kept MARY ANN" ] || fail "lunarys-cli --keep said '$out', expected 'Kept MARY ANN'"
  out=$("$@" --people-file "$people" --people --format csv) || fail "lunarys-cli --people failed"
  rm -f "$people"
  [[ "$out" == *"MARY ANN,1990-07-04,06:30,72:50E,18:57N,34,no,,"* ]] || fail "lunarys-cli --people listed: $out"

  step "lunarys-cli refuses an unusable date with exit status 2"
  local status=0
  "$@" --date 1800-01-01 --time 06:30 > /dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "lunarys-cli --date 1800-01-01 exited with $status, expected 2"
}

# check_man_page PAGE.gz VERSION [HELP_CMD...]: the compressed page is valid
# roff without warnings, names the version, and (given the program) describes
# exactly the options that its --help lists.
check_man_page() {
  local page=$1 version=$2; shift 2
  step "manual page $(basename "$page")"
  [ -f "$page" ] || fail "$page is missing"
  gzip -t "$page" || fail "$page is not a valid gzip file"
  local warnings
  warnings=$(gzip -dc "$page" | groff -man -ww -z 2>&1) || fail "groff cannot format $page"
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
  gzip -dc "$page" | grep -q "^\.TH .*\"Lunarys $version\"" || fail "$page does not name Lunarys $version in .TH"
  [ $# -gt 0 ] || return 0

  step "options of --help and of the manual page agree"
  local help text
  help=$("$@" --help) || fail "--help exited with $?"
  text=$(gzip -dc "$page" | groff -man -Tascii -P-cbou 2> /dev/null)
  python3 - "$help" "$text" <<'PY' || fail "--help and the manual page $page list different options"
import re, sys
help_text, man_text = sys.argv[1], sys.argv[2]
OPT = re.compile(r"(?<![\w-])(--?[a-z][a-z-]*)")

def help_options(text):
    # The lines of the "Options:" block that start with an option.
    block = text.split("Options:", 1)
    if len(block) != 2:
        sys.exit("  --help has no 'Options:' block")
    opts = set()
    for line in block[1].splitlines():
        if not line.strip():
            if opts:
                break
            continue
        m = re.match(r"\s+(-[^ ].*?)(?:\s{2,}|$)", line)
        if m:
            opts.update(OPT.findall(m.group(1)))
    return opts

def man_options(text):
    # The tag lines of the OPTIONS section: indented 7 columns, starting with '-'.
    m = re.search(r"^OPTIONS\n(.*?)(?=^\S)", text, re.S | re.M)
    if not m:
        sys.exit("  the manual page has no OPTIONS section")
    opts = set()
    for line in m.group(1).splitlines():
        t = re.match(r" {7}(-\S.*?)(?:\s{2,}|$)", line)
        if t:
            opts.update(OPT.findall(t.group(1)))
    return opts

h, man = help_options(help_text), man_options(man_text)
if not h:
    sys.exit("  found no options in --help")
for o in sorted(h - man):
    print(f"  {o}: in --help, not described in the manual page", file=sys.stderr)
for o in sorted(man - h):
    print(f"  {o}: described in the manual page, not in --help", file=sys.stderr)
sys.exit(1 if h != man else 0)
PY
}

# check_debian_docs DOCDIR VERSION: the copyright file is machine-readable
# (DEP-5), under GPL-3.0-or-later and credits the GeoNames place data; the
# changelog is compressed as Debian wants it (gzip -9n) and its newest entry
# is this version.
check_debian_docs() {
  local doc=$1 version=$2
  step "copyright and changelog in $doc"
  [ -f "$doc/copyright" ] || fail "$doc/copyright is missing"
  [ -f "$doc/changelog.Debian.gz" ] || fail "$doc/changelog.Debian.gz is missing"
  python3 - "$doc/copyright" "$doc/changelog.Debian.gz" "$version" <<'PY' || fail "the copyright file or the changelog is not what Debian expects"
import gzip, re, sys
copyright, changelog, version = sys.argv[1:]
bad = []
# DEP-5: paragraphs of "Field: value" lines, continuation lines indented.
paragraphs = [p for p in open(copyright, encoding="utf-8").read().split("\n\n") if p.strip()]
fields = []
for p in paragraphs:
    f, key = {}, None
    for line in p.splitlines():
        if line[:1] in (" ", "\t") and key:
            f[key] += "\n" + line.strip()
        elif re.match(r"^[A-Za-z-]+:", line):
            key, value = line.split(":", 1)
            f[key] = value.strip()
        else:
            bad.append(f"copyright: malformed line {line!r}")
    fields.append(f)
if not fields or fields[0].get("Format") != "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/":
    bad.append("copyright: the first paragraph has no DEP-5 Format field")
files = [f for f in fields if "Files" in f]
if not any(f["Files"] == "*" and f.get("License", "").split("\n")[0] == "GPL-3.0-or-later" for f in files):
    bad.append("copyright: no 'Files: *' paragraph under GPL-3.0-or-later")
if not any(f.get("License", "").startswith("GPL-3.0-or-later\n") and "/usr/share/common-licenses/GPL-3" in f["License"] for f in fields):
    bad.append("copyright: the GPL-3.0-or-later text does not point to /usr/share/common-licenses/GPL-3")
if "Place data: GeoNames (geonames.org), CC BY 4.0" not in open(copyright, encoding="utf-8").read():
    bad.append("copyright: no credit for the GeoNames place data")
raw = open(changelog, "rb").read()
# gzip header: flags byte 3 without a stored name (0x08), time stamp bytes 4-7 zero, XFL byte 8 = 2 (-9).
if raw[:2] != b"\x1f\x8b" or raw[3] & 0x08 or raw[4:8] != b"\0\0\0\0" or raw[8] != 2:
    bad.append("changelog.Debian.gz is not compressed with gzip -9n")
first = gzip.decompress(raw).decode("utf-8").splitlines()[0]
if not first.startswith(f"lunarys ({version}-1) "):
    bad.append(f"changelog: newest entry is {first!r}, expected lunarys ({version}-1)")
for b in bad: print("  " + b, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
}

# png_size FILE: prints WIDTHxHEIGHT from the PNG header, or fails.
png_size() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read(24)
if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
    sys.exit(f"{sys.argv[1]} is not a PNG file")
w, h = struct.unpack(">II", data[16:24])
print(f"{w}x{h}")
PY
}

# check_desktop_integration ROOT BINDIR VERSION: desktop entry, AppStream
# metadata and icons under ROOT/usr/share, consistent with each other and with
# the programs in BINDIR.
check_desktop_integration() {
  local root=$1 bindir=$2 version=$3
  local share=$root/usr/share
  local desktop=$share/applications/$APP_ID.desktop
  local metainfo=$share/metainfo/$APP_ID.metainfo.xml

  check_validators_reject_broken "$desktop" "$metainfo"

  step "desktop-file-validate $(basename "$desktop")"
  local out
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejects $desktop: $out"
  [ -z "$out" ] || fail "desktop-file-validate complains about $desktop: $out"

  step "desktop entry: name, program, icon, categories"
  python3 - "$desktop" "$bindir" "$APP_ID" <<'PY' || fail "the desktop entry is not what a user needs"
import os, sys
path, bindir, app_id = sys.argv[1:]
entry, group = {}, None
for line in open(path, encoding="utf-8"):
    line = line.rstrip("\n")
    if line.startswith("["):
        group = line
    elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
        k, v = line.split("=", 1)
        entry[k.strip()] = v.strip()
bad = []
if entry.get("Type") != "Application": bad.append(f"Type={entry.get('Type')}")
if entry.get("Name") != "Lunarys": bad.append(f"Name={entry.get('Name')}")
if entry.get("Icon") != app_id: bad.append(f"Icon={entry.get('Icon')}, expected {app_id}")
if entry.get("Terminal", "false") != "false": bad.append("Terminal is not false")
if entry.get("NoDisplay", "false") != "false" or entry.get("Hidden", "false") != "false":
    bad.append("the entry is hidden from the application list")
program = (entry.get("Exec") or "").split()[:1]
if not program or not os.access(os.path.join(bindir, os.path.basename(program[0])), os.X_OK):
    bad.append(f"Exec={entry.get('Exec')} does not name an installed program in {bindir}")
main = {"AudioVideo", "Audio", "Video", "Development", "Education", "Game", "Graphics",
        "Network", "Office", "Science", "Settings", "System", "Utility"}
cats = [c for c in entry.get("Categories", "").split(";") if c]
if not main.intersection(cats): bad.append(f"Categories={entry.get('Categories')} has no main category")
for b in bad: print("  " + b, file=sys.stderr)
sys.exit(1 if bad else 0)
PY

  step "icons in hicolor: scalable and ${ICON_SIZES// /, } pixels"
  local svg=$share/icons/hicolor/scalable/apps/$APP_ID.svg n size
  [ -f "$svg" ] || fail "the scalable icon $svg is missing"
  python3 - "$svg" <<'PY' || fail "$svg is not a usable SVG icon"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
if root.tag != "{http://www.w3.org/2000/svg}svg": sys.exit(f"  root element is {root.tag}")
vb = root.get("viewBox", "").split()
if len(vb) != 4 or float(vb[2]) != float(vb[3]) or float(vb[2]) <= 0: sys.exit(f"  viewBox '{root.get('viewBox')}' is not square")
PY
  for n in $ICON_SIZES; do
    [ -f "$share/icons/hicolor/${n}x${n}/apps/$APP_ID.png" ] || fail "the ${n}x${n} icon is missing"
    size=$(png_size "$share/icons/hicolor/${n}x${n}/apps/$APP_ID.png") || fail "icon ${n}x${n}: $size"
    [ "$size" = "${n}x${n}" ] || fail "icon in ${n}x${n}/apps is $size pixels"
  done

  step "appstreamcli validate $(basename "$metainfo")"
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate rejects $metainfo: $out"
  if grep -qE '^[EW]: ' <<< "$out"; then fail "appstreamcli validate warns about $metainfo: $out"; fi

  step "appstreamcli validate-tree $root/usr"
  out=$(appstreamcli validate-tree --no-net "$root/usr" 2>&1) || fail "appstreamcli validate-tree rejects the installed tree: $out"
  if grep -qE '^[EW]: ' <<< "$out"; then fail "appstreamcli validate-tree warns: $out"; fi

  step "AppStream metadata: id, launchable, release, programs"
  python3 - "$metainfo" "$bindir" "$APP_ID" "$version" <<'PY' || fail "the AppStream metadata does not match the installed files"
import os, sys, xml.etree.ElementTree as ET
path, bindir, app_id, version = sys.argv[1:]
c = ET.parse(path).getroot()
bad = []
if c.findtext("id") != app_id: bad.append(f"id {c.findtext('id')!r}, expected {app_id!r}")
if c.findtext("name") != "Lunarys": bad.append(f"name {c.findtext('name')!r}")
launch = [l.text for l in c.findall("launchable") if l.get("type") == "desktop-id"]
if launch != [app_id + ".desktop"]: bad.append(f"launchable desktop-id {launch}, expected {app_id}.desktop")
releases = c.findall("releases/release")
if not releases or releases[0].get("version") != version:
    bad.append(f"newest release {releases[0].get('version') if releases else None!r}, expected the program's version {version!r}")
for b in c.findall("provides/binary"):
    if not os.access(os.path.join(bindir, b.text), os.X_OK):
        bad.append(f"provides binary {b.text}, which is not installed in {bindir}")
for b in bad: print("  " + b, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
}

# The validators do fail on a broken file, so their passing above means something.
check_validators_reject_broken() {
  local desktop=$1 metainfo=$2 tmp
  step "the validators reject a broken desktop entry and broken metadata"
  tmp=$(mktemp -d)
  grep -v '^Type=' "$desktop" > "$tmp/$APP_ID.desktop"
  if desktop-file-validate "$tmp/$APP_ID.desktop" > /dev/null 2>&1; then
    rm -rf "$tmp"; fail "desktop-file-validate accepts an entry without Type="
  fi
  grep -v '<id>' "$metainfo" > "$tmp/$APP_ID.metainfo.xml"
  if appstreamcli validate --no-net "$tmp/$APP_ID.metainfo.xml" > /dev/null 2>&1; then
    rm -rf "$tmp"; fail "appstreamcli validate accepts metadata without <id>"
  fi
  rm -rf "$tmp"
}

# check_gui_starts SCRATCH SCRATCH_SEEN CMD...: the desktop program starts on
# Qt's offscreen platform and is still running, waiting for the user, after a
# few seconds; a missing library, Qt plugin or resource makes it exit (or
# abort) at once. SCRATCH is an empty folder for its home and runtime folders,
# SCRATCH_SEEN the same folder as the program sees it (inside a chroot).
check_gui_starts() {
  local scratch=$1 seen=$2; shift 2
  local seconds=${LUNARYS_GUI_SECONDS:-4} status=0
  step "lunarys starts (QT_QPA_PLATFORM=offscreen) and keeps running for $seconds s"
  mkdir -p "$scratch/home" "$scratch/runtime"
  chmod 700 "$scratch/runtime"
  env HOME="$seen/home" XDG_CONFIG_HOME="$seen/home/.config" XDG_RUNTIME_DIR="$seen/runtime" \
      TMPDIR="$seen" QT_QPA_PLATFORM=offscreen \
      timeout -k 2 "$seconds" "$@" > "$scratch/out" 2>&1 || status=$?
  if [ "$status" != 124 ]; then
    sed 's/^/  /' "$scratch/out" >&2
    fail "lunarys exited with status $status within $seconds s instead of waiting for the user"
  fi
  # Start-up remembers the date of the update reminder in the user's settings.
  [ -n "$(find "$scratch/home/.config" -type f 2> /dev/null)" ] \
    || fail "lunarys kept running but wrote no settings under XDG_CONFIG_HOME: did it get through start-up?"
}

# check_gui_window_x11 SCRATCH SCRATCH_SEEN CMD...: on a real X server (Xvfb,
# run here) with Qt's default platform plugin, the program opens its input
# window: a top-level window of class lunarys titled "Lunarys ...", at least
# 300x200 pixels, within 15 s. The program must reach the server's socket in
# /tmp/.X11-unix (inside a chroot: bind-mounted there by the caller).
check_gui_window_x11() {
  local scratch=$1 seen=$2; shift 2
  step "lunarys opens its window on an X server (Xvfb, Qt's xcb plugin)"
  mkdir -p "$scratch/xhome" "$scratch/xruntime"
  chmod 700 "$scratch/xruntime"
  local xvfb_pid app_pid display='' found='' _
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3> "$scratch/display" > "$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    display=$(cat "$scratch/display" 2> /dev/null || true)
    [ -n "$display" ] && break
    sleep 0.2
  done
  if [ -z "$display" ]; then
    kill "$xvfb_pid" 2> /dev/null || true
    cat "$scratch/xvfb.log" >&2
    fail "Xvfb did not start"
  fi
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=":$display" HOME="$seen/xhome" \
      XDG_CONFIG_HOME="$seen/xhome/.config" XDG_RUNTIME_DIR="$seen/xruntime" TMPDIR="$seen" \
      "$@" > "$scratch/x11.out" 2>&1 &
  app_pid=$!
  for _ in $(seq 75); do
    kill -0 "$app_pid" 2> /dev/null || break
    # Lines of xwininfo -tree: 0x... "title": ("instance" "class")  WxH+X+Y  +X+Y
    found=$(DISPLAY=":$display" xwininfo -root -tree 2> /dev/null \
      | awk '/"Lunarys[^"]*": \("lunarys" / { split($0, a, ")  "); split(a[2], g, "[x+]");
                                              if (g[1] + 0 >= 300 && g[2] + 0 >= 200) { print; exit } }')
    [ -n "$found" ] && break
    sleep 0.2
  done
  kill "$app_pid" 2> /dev/null || true
  wait "$app_pid" 2> /dev/null || true
  kill "$xvfb_pid" 2> /dev/null || true
  wait "$xvfb_pid" 2> /dev/null || true
  if [ -z "$found" ]; then
    sed 's/^/  /' "$scratch/x11.out" >&2
    fail "lunarys showed no window of class lunarys titled Lunarys on the X server within 15 s"
  fi
  echo "   window: $(sed 's/^ *//' <<< "$found")"
}
