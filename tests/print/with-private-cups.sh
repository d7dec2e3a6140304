#!/usr/bin/env bash
# Runs a command against a private CUPS scheduler that has one PDF printer,
# set as the default, and removes every trace of it afterwards.
#
#   with-private-cups.sh COMMAND [ARGS...]
#
# The scheduler lives in a temporary folder: its configuration, spool, cache,
# logs and the unix socket it listens on (no network port). Nothing of the
# machine's own printing set-up (/etc/cups, /run/cups, /var/spool/cups,
# /var/cache/cups, /var/log/cups) is used or changed.
# The command sees:
#   CUPS_SERVER          the scheduler's socket, which Qt and the lp* tools use
#   CUPS_SERVERROOT      the private folder, so no client.conf or lpoptions of
#                        the machine is read
#   HOME                 an empty folder, so no ~/.cups/lpoptions is read
#   GODO_PRINT_QUEUE     the name of the PDF printer (the default)
#   GODO_PRINT_OUTPUT    the PDF file that each job on it overwrites
#   GODO_PRINT_PPD       the printer description the queue was made from
#   GODO_PRINT_SCHEDULER the scheduler's socket again, for a test that points
#                        CUPS_SERVER elsewhere and still asks the scheduler
#   LC_ALL               C.UTF-8, so that the scheduler's own words (which
#                        the program passes on) come in English
# PRINTER and LPDEST are removed from the environment: they would override
# the default printer.
#
# Needs: root (cupsd changes to user lp to run its filters, and only root may
# do that), and the Debian packages cups, cups-client and cups-filters.
# Run as another user it exits with 77, which ctest reports as skipped.
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "with-private-cups: a private CUPS scheduler needs root; skipped" >&2
  exit 77
fi

ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
queue=godo-pdf
for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat; do
  [ -x "$tool" ] || { echo "with-private-cups: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done
[ -r "$ppd" ] || { echo "with-private-cups: $ppd is missing (scripts/install-deps)" >&2; exit 1; }

# Short path: the socket's name must fit in a sockaddr_un. 0755, because the
# filters run as user lp and must reach the files below it.
dir=$(mktemp -d /tmp/godo-cups.XXXXXX)
chmod 0755 "$dir"
cupsd_pid=
command_pid=

stop() { # pid
  kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

cleanup() {
  local status=$?
  [ -z "$command_pid" ] || stop "$command_pid"
  [ -z "$cupsd_pid" ] || stop "$cupsd_pid"
  if [ "$status" -ne 0 ] && [ -s "$dir/log/error_log" ]; then
    echo "--- private cupsd error_log ---" >&2
    tail -n 40 "$dir/log/error_log" >&2
  fi
  rm -rf "$dir"
  exit "$status"
}
trap cleanup EXIT
# Signals end the script through the EXIT trap as well.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out" "$dir/home" "$dir/socket"
chmod 0755 "$dir/out"
# The scheduler asks for no password and may write files as root (FileDevice):
# only root may reach its socket.
chmod 0700 "$dir/socket"

cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
CONF

cat >"$dir/cupsd.conf" <<CONF
Listen $dir/socket/cups.sock
Browsing No
WebInterface No
LogLevel warn
# Its only door is a socket that root alone can reach: nothing to
# authenticate or restrict.
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

export CUPS_SERVER="$dir/socket/cups.sock"
export CUPS_SERVERROOT="$dir"
export HOME="$dir/home"
unset PRINTER LPDEST

/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!

# Ready within a fraction of a second; give up after 10 s.
ready=
for _ in $(seq 100); do
  if lpstat -r 2>/dev/null | grep -q 'is running'; then ready=1; break; fi
  kill -0 "$cupsd_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "with-private-cups: the scheduler did not start" >&2
  cat "$dir/log/cupsd.out" >&2 || true
  exit 1
fi

# lpadmin warns that printer descriptions are deprecated; keep that out of the
# test's output unless the command fails.
if ! lpadmin -p "$queue" -v "file://$dir/out/$queue.pdf" -P "$ppd" -o PageSize=A4 -E \
     >"$dir/log/lpadmin.out" 2>&1 \
   || ! lpadmin -d "$queue" >>"$dir/log/lpadmin.out" 2>&1; then
  echo "with-private-cups: could not add the printer" >&2
  cat "$dir/log/lpadmin.out" >&2
  exit 1
fi

export GODO_PRINT_QUEUE="$queue"
export GODO_PRINT_OUTPUT="$dir/out/$queue.pdf"
export GODO_PRINT_PPD="$ppd"
export GODO_PRINT_SCHEDULER="$CUPS_SERVER"
export LC_ALL=C.UTF-8

# In the background, so that a signal to this script is acted on at once
# rather than when the command ends; the EXIT trap then stops both. Its
# standard input is /dev/null.
"$@" &
command_pid=$!
wait "$command_pid"
