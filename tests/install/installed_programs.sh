#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses what was installed as a user
# would: the CLI runs the demo, and the workbench opens a test scheme from the installed
# data, draws its main window and keeps VELMAR.INI in the user's configuration folder;
# given an interpreter and the package's folder under the prefix, the installed Python
# module runs the installed demo.
set -euo pipefail
build=$1
python=${2:-}
package_dir=${3:-}

work=$(mktemp -d)
gui=
trap '[ -n "$gui" ] && kill "$gui" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/velmar bin/velmar-cli share/velmar/Schemes/demo.shm share/velmar/Tests/Descript.dts \
         share/velmar/help share/applications/velmar.desktop \
         share/icons/hicolor/scalable/apps/velmar.svg share/mime/packages/velmar.xml; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
grep -q '^Exec=velmar %f$' "$prefix/share/applications/velmar.desktop" || fail "desktop entry does not open a file"
grep -q 'pattern="\*.shm"' "$prefix/share/mime/packages/velmar.xml" || fail "no MIME type for .shm"

# The installed CLI on the installed demo.
"$prefix/bin/velmar-cli" run "$prefix/share/velmar/Schemes/demo.shm" --csv "$work/demo.csv"
[ "$(head -1 "$work/demo.csv")" = "element,diagram,index,x,y" ] || fail "the demo's CSV has no header"
[ "$(wc -l <"$work/demo.csv")" -gt 100 ] || fail "the demo's CSV is short"

# The installed Python module, away from the build tree.
if [ -n "$python" ]; then
  [ -e "$prefix/$package_dir/__init__.py" ] || fail "not installed: $package_dir"
  curves=$(cd "$work" && PYTHONPATH="$prefix/$(dirname "$package_dir")" "$python" -c \
    'import sys, velmar; assert velmar.__file__.startswith(sys.argv[1]), velmar.__file__; print(velmar.load(sys.argv[2]).run().curves)' \
    "$prefix" "$prefix/share/velmar/Schemes/demo.shm")
  case $curves in *"points"*) ;; *) fail "the installed module gave no curves: $curves" ;; esac
fi

# The installed workbench on a test scheme, with a user of its own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
scheme=$prefix/share/velmar/Tests/Integ10.sht
if command -v xvfb-run >/dev/null && command -v import >/dev/null; then
  # The workbench draws on the X display xvfb-run makes, whatever platform the caller chose.
  env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" "$2" & gui=$!
    for _ in $(seq 100); do [ -s "$3" ] && break; sleep 0.2; done
    sleep 2
    import -window root "$4" || true
    kill $gui' _ "$prefix/bin/velmar" "$scheme" "$XDG_CONFIG_HOME/velmar/VELMAR.INI" "$work/shot.png"
  colours=$(identify -format %k "$work/shot.png")
  [ "$colours" -gt 8 ] || fail "the screen shows $colours colours: no window was drawn"
else
  QT_QPA_PLATFORM=offscreen "$prefix/bin/velmar" "$scheme" & gui=$!
  for _ in $(seq 100); do [ -s "$XDG_CONFIG_HOME/velmar/VELMAR.INI" ] && break; sleep 0.2; done
  kill $gui
  gui=
fi
[ -s "$XDG_CONFIG_HOME/velmar/VELMAR.INI" ] || fail "VELMAR.INI is not in the user's configuration folder"
[ ! -e "$prefix/bin/VELMAR.INI" ] || fail "VELMAR.INI was written beside the installed program"
grep -q "Tests=$prefix/share/velmar/Tests" "$XDG_CONFIG_HOME/velmar/VELMAR.INI" \
  || fail "the installed workbench does not find its test schemes"
echo "installed programs work"
