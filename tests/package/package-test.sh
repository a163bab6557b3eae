#!/usr/bin/env bash
# Builds the Debian package from this build, checks it with lintian and the
# desktop validators, installs it into a scratch root with dpkg --root (the
# dependency check made against this machine's installed packages), then runs
# the installed kestrovanhalme-deal and starts the installed program under
# Xvfb, checking that it loads the print library from the installed folder.
# Usage: package-test.sh BUILD_DIR NATIVE_DEAL_TOOL
set -euo pipefail
build=$(realpath "$1")
native_deal=$(realpath "$2")
for tool in cpack lintian desktop-file-validate appstreamcli dpkg Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/install-deps installs it)"; exit 1; }
done

scratch=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "== package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null
deb=$(ls "$scratch"/pkg/kestrovanhalme_*.deb)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends):'

echo "== lintian"
lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1

echo "== install into $scratch/root"
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
cp /var/lib/dpkg/status "$root/var/lib/dpkg/status"
touch "$root/var/lib/dpkg/available"
# Only the status file is copied, so dpkg notes every package's missing file
# list; what matters is that the dependencies are met and the files unpack.
if ! dpkg --root="$root" --log=/dev/null --force-not-root --force-script-chrootless \
     -i "$deb" >"$scratch/dpkg.log" 2>&1; then
  grep -v 'files list file for package' "$scratch/dpkg.log"; exit 1
fi
dpkg --root="$root" -L kestrovanhalme | grep -E 'bin/|\.so$|\.desktop$|metainfo|man1'

echo "== desktop entry and metainfo"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== installed kestrovanhalme-deal"
deal=$root/usr/bin/kestrovanhalme-deal
"$deal" --version
"$deal" --version | grep -q 'GPL-3.0-or-later'
cd "$scratch"
"$deal" --seed 1A2B --count 5 >installed.txt
"$native_deal" --seed 1A2B --count 5 >built.txt
cmp installed.txt built.txt
echo "five deals, the same as the build's"

echo "== installed program under Xvfb"
exec_line=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
program=$root/usr/bin/${exec_line%% *}
# Xvfb picks a free display and names it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$scratch/display")
unset QT_QPA_PLATFORM
mkdir -p "$scratch/home" "$scratch/work"
(cd "$scratch/work" && HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config exec "$program") &
app_pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the installed program showed no window"; exit 1; }
sleep 1
titles=$(for w in $(xdotool search --onlyvisible --pid "$app_pid"); do xdotool getwindowname "$w"; done)
echo "windows: $(echo "$titles" | tr '\n' '|')"
if grep -q "$root/usr/lib/.*/kestrovanhalme/libzuziror3.so" "/proc/$app_pid/maps"; then
  echo "print library loaded from the installed folder"
else
  echo "the print library was not loaded from the installed folder"; exit 1
fi
if [ "$(echo "$titles" | grep -vc '^Hand Parameters$')" -ne 0 ]; then
  echo "a window other than the main window is open (a warning at start-up)"; exit 1
fi
# Closed as a user closes it: File, Exit from the keyboard.
xdotool windowfocus --sync "$window" key --delay 200 alt+f x
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then echo "the program did not close on File, Exit"; exit 1; fi
wait "$app_pid" || { echo "the program exited with status $?"; exit 1; }
app_pid=""
echo "package test passed"
