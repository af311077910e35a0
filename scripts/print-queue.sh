#!/usr/bin/env bash
# A real print queue for the printing tests: starts the CUPS scheduler (without systemd)
# with a queue that writes every job to one PDF file, and makes it the default printer.
# Installs nothing (scripts/install-deps.sh --tests brings cups and the PDF driver). Needs
# root; without root or without CUPS it says so and leaves the machine as it was, and the
# printing tests skip.
#
#   scripts/print-queue.sh start    set up and start (idempotent)
#   scripts/print-queue.sh stop     remove the queue; stop the scheduler if this script started it
#   scripts/print-queue.sh status   what is running
#
# KESTREL_PRINT_QUEUE (default KestrelPDF) names the queue; KESTREL_PRINT_DIR (default
# /var/tmp/kestrel-print) is where it writes printed.pdf.
set -euo pipefail

queue=${KESTREL_PRINT_QUEUE:-KestrelPDF}
outdir=${KESTREL_PRINT_DIR:-/var/tmp/kestrel-print}
output=$outdir/printed.pdf
ppd=lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd
files_conf=/etc/cups/cups-files.conf
cupsd_pid_file=/run/cups/cupsd.pid
started_marker=/run/kestrel-print-queue.cupsd-pid  # the pid of a scheduler started here

say() { echo "print-queue: $*"; }

scheduler_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; }

wait_for_scheduler() {
  for _ in $(seq 1 100); do
    scheduler_running && return 0
    sleep 0.1
  done
  return 1
}

start() {
  if [[ $(id -u) -ne 0 ]]; then
    say "not root: no print queue is started, the printing tests will skip"
    return 0
  fi
  for tool in /usr/sbin/cupsd lpadmin lpstat; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      say "CUPS is not installed ($tool missing; scripts/install-deps.sh --tests installs it): the printing tests will skip"
      return 0
    fi
  done
  if [[ ! -e /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd ]] && ! lpinfo -m 2>/dev/null | grep -q "$ppd"; then
    say "the Generic PDF driver of cups-filters is missing: the printing tests will skip"
    return 0
  fi

  # A file: device needs FileDevice Yes, which the scheduler reads when it starts.
  local changed=0
  if ! grep -Eq '^[[:space:]]*FileDevice[[:space:]]+Yes' "$files_conf" 2>/dev/null; then
    echo "FileDevice Yes" >>"$files_conf"
    changed=1
  fi
  if scheduler_running; then
    if ((changed)) && [[ -s $cupsd_pid_file ]]; then
      kill -HUP "$(cat "$cupsd_pid_file")"  # re-reads its configuration
      sleep 0.5
      wait_for_scheduler || { say "the scheduler did not come back after re-reading its configuration"; return 1; }
    fi
  else
    mkdir -p /run/cups
    /usr/sbin/cupsd
    wait_for_scheduler || { say "cupsd did not start"; return 1; }
    [[ -s $cupsd_pid_file ]] && cp "$cupsd_pid_file" "$started_marker"
  fi

  mkdir -p "$outdir"
  chmod 0777 "$outdir"  # the job is written by the scheduler's own user
  lpadmin -p "$queue" -v "file://$output" -m "$ppd" -o PageSize=A4 -E
  lpadmin -d "$queue"
  say "$queue is the default printer; every job is written to $output"
}

stop() {
  if scheduler_running; then
    lpadmin -x "$queue" 2>/dev/null || true
  fi
  if [[ -s $started_marker ]]; then
    local pid
    pid=$(cat "$started_marker")
    # Only the scheduler that this script started, and only while it still is that process.
    if [[ -s $cupsd_pid_file && $(cat "$cupsd_pid_file") == "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
      kill -TERM "$pid"
      say "stopped the scheduler (pid $pid)"
    fi
    rm -f "$started_marker"
  fi
}

status() {
  LC_ALL=C lpstat -r 2>/dev/null || say "the scheduler is not running"
  LC_ALL=C lpstat -d -v 2>/dev/null || true
}

case "${1:-}" in
start) start ;;
stop) stop ;;
status) status ;;
*)
  echo "usage: $0 start|stop|status" >&2
  exit 2
  ;;
esac
