#!/usr/bin/env bash
# A PDF print queue for end-to-end tests: CorvalenPDF on Debian's cups-pdf, as the default
# printer of a running CUPS server.
#
#   cups-queue.sh start       start cupsd if none runs, add the queue, make it the default
#   cups-queue.sh stop        undo what start did: queue, default, and the cupsd it started
#   cups-queue.sh outdir      the directory cups-pdf writes this user's jobs to
#   cups-queue.sh wait [SEC]  wait until the queue has no unfinished jobs (default 60 s)
#   cups-queue.sh pdf MARKER  the PDF cups-pdf wrote after the file MARKER was made (waits 10 s)
#
# Start and stop keep their notes in $CORVALEN_CUPS_STATE (default /tmp/corvalen-cups-queue).
# Exit 77 means the machine cannot host the queue (not root, or CUPS/cups-pdf missing).
set -euo pipefail

queue=CorvalenPDF
state=${CORVALEN_CUPS_STATE:-/tmp/corvalen-cups-queue}
backend=/usr/lib/cups/backend/cups-pdf
conf=/etc/cups/cups-pdf.conf

say() { echo "cups-queue: $*" >&2; }
skip() { say "skipped: $*"; exit 77; }

# A process that ended but was not yet reaped by its new parent counts as gone.
alive() {
  local status
  status=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
  [ -n "$status" ] && [ "$status" != Z ]
}

running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; }

default_printer() {
  LC_ALL=C lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p'
}

pdf_model() {
  local model
  model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
  [ -n "$model" ] || model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_noopt\.ppd/ {print $1; exit}')
  echo "$model"
}

start() {
  [ "$(id -u)" -eq 0 ] || skip "adding a print queue needs root"
  for tool in cupsd lpadmin lpstat lpinfo cupsenable cupsaccept; do
    command -v "$tool" >/dev/null || skip "$tool not installed (cups, cups-client)"
  done
  [ -x "$backend" ] || skip "cups-pdf backend not installed (printer-driver-cups-pdf)"
  if [ -e "$state/started" ]; then
    if running && [ "$(default_printer)" = "$queue" ]; then
      say "already set up ($state)"
      return 0
    fi
    say "forgetting the notes of an earlier run that did not stop"
    rm -rf "$state"
  fi
  mkdir -p "$state"

  if running; then
    echo "" >"$state/cupsd.pid"
  else
    mkdir -p /run/cups
    setsid cupsd -f >"$state/cupsd.log" 2>&1 </dev/null &
    echo $! >"$state/cupsd.pid"
    for _ in $(seq 1 100); do
      running && break
      alive "$(cat "$state/cupsd.pid")" || { cat "$state/cupsd.log" >&2; say "cupsd did not start"; exit 1; }
      sleep 0.1
    done
    running || { say "cupsd did not answer within 10 s"; exit 1; }
    say "started cupsd (pid $(cat "$state/cupsd.pid"))"
  fi

  default_printer >"$state/previous-default"
  if lpstat -p "$queue" >/dev/null 2>&1; then echo yes; else echo no; fi >"$state/queue-existed"

  local model
  model=$(pdf_model)
  [ -n "$model" ] || skip "no CUPS-PDF driver in 'lpinfo -m'"
  # pdftocairo keeps the text of the job's PDF extractable through the PostScript step.
  lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" -o pdftops-renderer-default=pdftocairo 2>/dev/null
  cupsenable "$queue"
  cupsaccept "$queue"
  lpadmin -d "$queue"
  touch "$state/started"
  say "queue $queue is the default printer (was: $(cat "$state/previous-default"))"
}

stop() {
  [ -e "$state/started" ] || { say "nothing to stop"; return 0; }
  if [ "$(cat "$state/queue-existed")" = no ]; then
    lpadmin -x "$queue" 2>/dev/null || say "could not remove $queue"
  fi
  local previous
  previous=$(cat "$state/previous-default")
  if [ -n "$previous" ] && lpstat -p "$previous" >/dev/null 2>&1; then
    lpadmin -d "$previous"
  fi
  local pid
  pid=$(cat "$state/cupsd.pid")
  if [ -n "$pid" ] && alive "$pid"; then
    kill "$pid"
    for _ in $(seq 1 50); do alive "$pid" || break; sleep 0.1; done
    say "stopped cupsd (pid $pid)"
  fi
  rm -rf "$state"
}

outdir() {
  local user home out
  user=$(id -un)
  home=$(getent passwd "$user" | cut -d: -f6)
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' "$conf" 2>/dev/null | tail -1)
  [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
  out=${out//'${HOME}'/$home}
  out=${out//'${USER}'/$user}
  echo "$out"
}

wait_jobs() {
  local seconds=${1:-60}
  for _ in $(seq 1 $((seconds * 10))); do
    [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  say "jobs still pending after $seconds s:"
  lpstat -o "$queue" >&2 || true
  return 1
}

newest_pdf() {
  local marker=$1 out pdf
  out=$(outdir)
  for _ in $(seq 1 100); do
    pdf=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$marker" 2>/dev/null | head -1)
    [ -n "$pdf" ] && { echo "$pdf"; return 0; }
    sleep 0.1
  done
  say "no PDF in $out newer than $marker"
  return 1
}

case "${1:-}" in
start) start ;;
stop) stop ;;
outdir) outdir ;;
wait) wait_jobs "${2:-60}" ;;
pdf) newest_pdf "$2" ;;
*) echo "usage: $0 start|stop|outdir|wait [SECONDS]|pdf MARKER" >&2; exit 2 ;;
esac
