#!/bin/sh
# Wherever no window system can be reached, the program says so in one line
# and exits with 1: no display at all, an X display where no server listens,
# a Wayland display where no compositor does, a platform the toolkit lacks.
program=$1
status=0
check() {
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
  code=$?
  case "$code:$(printf '%s\n' "$out" | wc -l):$out" in
    "1:1:"*"no graphical display"*) ;;
    *) printf 'with %s: exit status %s, said:\n%s\n' "${*:-nothing set}" "$code" "$out"; status=1 ;;
  esac
}
check
check DISPLAY=/nonexistent/x11-socket:0
check WAYLAND_DISPLAY=/nonexistent/wayland-0
check DISPLAY=/nonexistent/x11-socket:0 WAYLAND_DISPLAY=/nonexistent/wayland-0
check QT_QPA_PLATFORM=no-such-platform
exit $status
