#!/usr/bin/env bash
# Runs the real program the way a screen reader's user has it, and a reader
# script that looks at it over the accessibility bus:
#
#   on-accessibility-bus.sh PROGRAM READER.py
#
# Started here, each in a process group of its own, and ended in reverse
# order on success and on failure alike:
#   Xvfb                   on a display number that it picks itself
#   dbus-daemon --session  a private session bus on a socket in a temporary
#                          folder
#   at-spi-bus-launcher    the accessibility bus and its registry, found by
#                          clients through the session bus
#   PROGRAM                with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# READER.py runs under Debian's /usr/bin/python3, which has pyatspi. It is
# expected to end the program through the program's own controls; the
# program must then exit by itself with status 0 (under the sanitizers that
# includes a clean leak check).
#
# Needs the Debian packages xvfb, dbus-daemon, dbus-bin, at-spi2-core and
# python3-pyatspi (scripts/install-deps).
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 PROGRAM READER.py" >&2
  exit 2
fi
program=$1
reader=$2
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3
for tool in Xvfb dbus-daemon dbus-send "$launcher" "$python"; do
  command -v "$tool" >/dev/null || { echo "on-accessibility-bus: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done
[ -x "$program" ] || { echo "on-accessibility-bus: $program is not built" >&2; exit 1; }

dir=$(mktemp -d /tmp/godo-atspi.XXXXXX)
groups=()
program_pid=
reader_pid=

# True while a process of the group, other than a zombie, is still there.
group_alive() { # pgid
  local f stat rest state pgrp
  for f in /proc/[0-9]*/stat; do
    stat=$(cat "$f" 2>/dev/null) || continue
    rest=${stat##*) }
    read -r state _ pgrp _ <<<"$rest"
    [ "$pgrp" = "$1" ] && [ "$state" != Z ] && return 0
  done
  return 1
}

stop_group() { # pgid
  kill -TERM -- "-$1" 2>/dev/null || kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do
    group_alive "$1" || return 0
    sleep 0.1
  done
  echo "on-accessibility-bus: group $1 ignored SIGTERM; killing it" >&2
  kill -KILL -- "-$1" 2>/dev/null || true
}

cleanup() {
  local status=$? i
  [ -z "$reader_pid" ] || kill -TERM "$reader_pid" 2>/dev/null || true
  for ((i = ${#groups[@]} - 1; i >= 0; i--)); do
    stop_group "${groups[i]}"
  done
  wait 2>/dev/null || true
  if [ "$status" -ne 0 ]; then
    for log in "$dir"/log/*; do
      [ -s "$log" ] || continue
      echo "--- $(basename "$log") ---" >&2
      tail -n 40 "$log" >&2
    done
  fi
  rm -rf "$dir"
  exit "$status"
}
trap cleanup EXIT
# Signals end the script through the EXIT trap as well.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Starts a command in the background as the leader of a new process group, so
# that whatever it spawns (the accessibility bus, the registry) ends with it.
# Its pid, which is the group's id, is left in $started.
start() { # log-name command...
  local log=$dir/log/$1
  shift
  setsid "$@" </dev/null >>"$log" 2>&1 &
  started=$!
  groups+=("$started")
}

# Waits up to 10 s for a file to have content; fails if the process ends first.
wait_for_file() { # file pid what
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    kill -0 "$2" 2>/dev/null || break
    sleep 0.1
  done
  echo "on-accessibility-bus: $3 did not start" >&2
  return 1
}

mkdir -p "$dir/log" "$dir/home" "$dir/runtime"
chmod 0700 "$dir/runtime"

# Nothing of the caller's desktop session may leak in.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
      QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS \
      SESSION_MANAGER XAUTHORITY
export HOME=$dir/home
export XDG_RUNTIME_DIR=$dir/runtime
# No dconf service to be started on the private bus.
export GSETTINGS_BACKEND=memory
export PYTHONDONTWRITEBYTECODE=1

# -displayfd: the server writes the display number it chose once it accepts
# clients, so runs side by side never collide. -noreset: without it the
# server resets whenever its last client leaves (the launcher, early on), and
# a client connecting just then is refused.
start xvfb Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display"
wait_for_file "$dir/display" "$started" Xvfb
DISPLAY=:$(tr -d '[:space:]' <"$dir/display")
export DISPLAY

start session-bus dbus-daemon --session --nofork --address="unix:path=$dir/session-bus" \
  --print-address=3 3>"$dir/session-bus-address"
wait_for_file "$dir/session-bus-address" "$started" "the session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$dir/session-bus-address")
export DBUS_SESSION_BUS_ADDRESS

# The launcher takes the name org.a11y.Bus on the session bus once the
# accessibility bus runs; Qt and pyatspi ask it there for that bus's address.
# Asked earlier, the session bus would start a launcher of its own.
start at-spi-bus-launcher "$launcher" --launch-immediately
launcher_pid=$started
ready=
for _ in $(seq 100); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
       org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; then
    ready=1
    break
  fi
  kill -0 "$launcher_pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$ready" ] || { echo "on-accessibility-bus: the accessibility bus did not start" >&2; exit 1; }

start program env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
program_pid=$started

# In the background, so that a signal to this script is handled at once.
"$python" "$reader" &
reader_pid=$!
wait "$reader_pid"
reader_pid=

# The reader has asked the program to end: it must do so by itself.
for _ in $(seq 200); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "on-accessibility-bus: the program did not end within 20 s" >&2
  exit 1
fi
program_status=0
wait "$program_pid" || program_status=$?
if [ "$program_status" -ne 0 ]; then
  echo "on-accessibility-bus: the program exited with status $program_status" >&2
  exit 1
fi
echo "on-accessibility-bus: the program exited with status 0"
