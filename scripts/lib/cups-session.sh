# shellcheck shell=bash
# Sourced by scripts/test, scripts/bench, scripts/run and scripts/screenshots: a private CUPS
# server with one cups-pdf queue, SnapwrightPDF, as its default printer, so that every page printed
# in the Wine session becomes a PDF file in one folder. The server has its own configuration, spool and socket in a
# temporary folder and is reached through CUPS_SERVER, so the machine's own CUPS (if any) and
# other test runs are left alone. cups_session_stop ends the server and removes the folder.
#
# Sets CUPS_SERVER (the server's socket) and SNAPWRIGHT_PDF_DIR (where the PDF files appear).
# Start it before the Wine session, so that Wine finds the queue when its printers are listed.

# cups_session_start [PDF_FOLDER]: the PDF files go into PDF_FOLDER, which stays when the server
# stops, or else into the server's temporary folder.
cups_session_start() {
  local pdf_folder="${1:-}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if [ ! -x /usr/sbin/cupsd ] || [ ! -e /usr/lib/cups/backend/cups-pdf ]; then
    echo "cups-session: cupsd or the cups-pdf backend is missing (run scripts/bootstrap)" >&2
    return 1
  fi

  # Filters run as the lp user and the backend as root: the folder must be readable for both.
  SNAPWRIGHT_CUPS=$(mktemp -d /tmp/snapwright-cups.XXXXXX)
  chmod 755 "$SNAPWRIGHT_CUPS"
  local root="$SNAPWRIGHT_CUPS"
  mkdir -p "$root/conf/ppd" "$root/spool/tmp" "$root/cache" "$root/state" "$root/log"
  if [ -z "$pdf_folder" ]; then
    pdf_folder="$root/pdf"
    mkdir -p "$pdf_folder"
    chmod 1777 "$pdf_folder"
  else
    mkdir -p "$pdf_folder"
  fi
  chmod 710 "$root/spool"
  chmod 1770 "$root/spool/tmp"
  $sudo chgrp lp "$root/spool" "$root/spool/tmp" 2>/dev/null || true

  cat >"$root/conf/cupsd.conf" <<CONF
LogLevel ${SNAPWRIGHT_CUPS_LOGLEVEL:-warn}
Listen $root/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$root/conf/cups-files.conf" <<CONF
ServerRoot $root/conf
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
SystemGroup root
User lp
Group lp
CONF
  # cups-pdf reads /etc/cups/cups-pdf-<instance>.conf for the device cups-pdf:/<instance>; an
  # instance of this run's own keeps the machine's cups-pdf.conf and other runs untouched.
  SNAPWRIGHT_CUPS_PDF_CONF="/etc/cups/cups-pdf-snapwright${root##*.}.conf"
  $sudo tee "$SNAPWRIGHT_CUPS_PDF_CONF" >/dev/null <<CONF
Out $pdf_folder
AnonDirName $pdf_folder
Spool $root/spool/cups-pdf
Log $root/log
Label 2
UserUMask 0000
CONF

  $sudo /usr/sbin/cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" \
    >"$root/log/cupsd.out" 2>&1 &
  echo $! >"$root/cupsd.pid"
  export CUPS_SERVER="$root/cups.sock"
  local _
  for _ in $(seq 1 100); do
    [ -S "$root/cups.sock" ] && lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "cups-session: cupsd did not start; see $root/log" >&2
    return 1
  fi

  local ppd
  ppd=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ && /_opt/ {print $1; exit}')
  [ -n "$ppd" ] || ppd=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
  if [ -z "$ppd" ]; then
    echo "cups-session: no cups-pdf driver found by lpinfo -m" >&2
    return 1
  fi
  lpadmin -p SnapwrightPDF -E -v "cups-pdf:/snapwright${root##*.}" -m "$ppd" 2>/dev/null
  # The server's own default (lpoptions -d would write a non-root user's ~/.cups instead).
  lpadmin -d SnapwrightPDF 2>/dev/null
  export SNAPWRIGHT_PDF_DIR="$pdf_folder"
  export SNAPWRIGHT_CUPS SNAPWRIGHT_CUPS_PDF_CONF
}

cups_session_stop() {
  [ -n "${SNAPWRIGHT_CUPS:-}" ] || return 0
  local pid
  if [ -f "$SNAPWRIGHT_CUPS/cupsd.pid" ]; then
    pid=$(cat "$SNAPWRIGHT_CUPS/cupsd.pid")
    kill "$pid" >/dev/null 2>&1 || true
    wait "$pid" 2>/dev/null || true
  fi
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  [ -n "${SNAPWRIGHT_CUPS_PDF_CONF:-}" ] && $sudo rm -f "$SNAPWRIGHT_CUPS_PDF_CONF"
  $sudo rm -rf "$SNAPWRIGHT_CUPS"
  unset SNAPWRIGHT_CUPS SNAPWRIGHT_CUPS_PDF_CONF SNAPWRIGHT_PDF_DIR CUPS_SERVER
}
