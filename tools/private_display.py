#!/usr/bin/env python3
"""A private X display: Xvfb on the first free display number and, if asked, a
session D-Bus, stopped by PID with whatever was left on them however the
session ends, and with the harness should it be killed outright.

    private_display.py [--screen WxHxD] -- COMMAND [ARGS...]

runs COMMAND there, passes it the signals that would stop this one, and exits
with its status once it and the display have gone.
"""
import argparse
import ctypes
from contextlib import suppress
import os
import select
import signal
import subprocess
import sys
import time

# Should the harness be killed outright, what it started still goes.
DIES_WITH_PARENT = ["setpriv", "--pdeathsig", "TERM", "--"]


class Failure(RuntimeError):
    pass


def parent_of(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return int(f.read().rsplit(")", 1)[1].split()[1])
    except (OSError, IndexError, ValueError):
        return 0


def terminate(pid, grace, group=False):
    """SIGTERM to a child of ours not yet reaped (or to its process group), SIGKILL
    should it outlive grace seconds, and to the group's members that outlive it."""
    fd = os.pidfd_open(pid)
    for sig in (signal.SIGTERM, signal.SIGKILL):
        with suppress(ProcessLookupError):
            os.killpg(pid, sig) if group else signal.pidfd_send_signal(fd, sig)
        if select.select([fd], [], [], grace)[0]:
            break
    os.close(fd)
    if group:
        with suppress(ProcessLookupError):
            os.killpg(pid, signal.SIGKILL)


class PrivateDisplay:
    """env holds DISPLAY for the programs on it; with a folder (the caller's to remove), HOME
    and XDG folders in it; with bus (which needs a folder), DBUS_SESSION_BUS_ADDRESS. What
    it starts runs with env (ours by default) and all that, logging into the folder's logs/."""

    def __init__(self, screen="1280x1024x24", bus=False, folder=None, env=None):
        self.screen, self.bus, self.folder = screen, bus, folder
        self.base_env = dict(os.environ if env is None else env)
        self.env, self.started = {}, []

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER: orphans come to us
        if self.folder:
            home = os.path.join(self.folder, "home")
            self.env.update(HOME=home, XDG_RUNTIME_DIR=os.path.join(self.folder, "run"),
                            XDG_CONFIG_HOME=home + "/.config", XDG_DATA_HOME=home + "/.local/share",
                            XDG_CACHE_HOME=home + "/.cache")
            for d in [os.path.join(self.folder, "logs")] + list(self.env.values()):
                os.makedirs(d, 0o700, exist_ok=True)
        try:
            # -displayfd: Xvfb picks a free number and writes it once it accepts
            # clients; -noreset keeps its state while no client is connected.
            self.env["DISPLAY"] = ":" + self.helper("xvfb", [
                "Xvfb", "-displayfd", "{fd}", "-screen", "0", self.screen, "-nolisten", "tcp",
                "-noreset"])
            if self.bus:
                # After Xvfb, so that what the bus starts on demand finds the display.
                self.env["DBUS_SESSION_BUS_ADDRESS"] = self.helper("dbus", [
                    "dbus-daemon", "--session", "--nofork", "--nopidfile",
                    "--address=unix:dir=" + self.env["XDG_RUNTIME_DIR"], "--print-address={fd}"])
        except BaseException:
            self.stop()
            raise
        return self

    def spawn(self, name, argv, env=None, pipe=False, **popen):
        """Starts argv in the folder, in a session of its own, to be stopped with
        the display, logging into logs/NAME.log or, with pipe, into a pipe."""
        log = open(os.path.join(self.folder, "logs", name + ".log"), "ab") if self.folder else None
        popen.setdefault("cwd", self.folder)
        try:
            self.started.append(subprocess.Popen(
                DIES_WITH_PARENT + argv, env=env or dict(self.base_env, **self.env),
                stdin=subprocess.DEVNULL, stderr=subprocess.STDOUT,
                stdout=subprocess.PIPE if pipe else log or subprocess.DEVNULL,
                start_new_session=True, **popen))
            return self.started[-1]
        finally:
            if log:
                log.close()

    def helper(self, name, argv):
        """Starts Xvfb or the bus; returns the line it writes when it is ready."""
        r, w = os.pipe()
        try:
            self.spawn(name, [a.replace("{fd}", str(w)) for a in argv], pass_fds=(w,))
            os.close(w)
            data, end = b"", time.monotonic() + 20
            while not data.endswith(b"\n"):
                # Nothing once the time is up or it has ended.
                chunk = select.select([r], [], [], max(0, end - time.monotonic()))[0] and os.read(r, 256)
                if not chunk:
                    raise Failure(f"{argv[0]} did not start within 20 s")
                data += chunk
            return data.decode().strip()
        finally:
            os.close(r)

    def stop_strays(self):
        """Every child of ours but what the display started: orphans handed to
        us, a generation at a time (stopping one may orphan its own children)."""
        keep, me = {p.pid for p in self.started}, os.getpid()
        for _ in range(8):
            strays = {int(d) for d in os.listdir("/proc") if d.isdigit() and parent_of(int(d)) == me}
            if not strays - keep:
                break
            for pid in strays - keep:
                terminate(pid, 2)
                with suppress(ChildProcessError):
                    os.waitpid(pid, 0)

    def stop(self):
        """What it started, last first, each with its process group; then strays."""
        for p in reversed(self.started):
            if p.poll() is None:  # else its PID may be another's by now
                terminate(p.pid, 5, group=True)
                p.wait()
        self.started = []
        self.stop_strays()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--screen", default="1280x1024x24", help="WIDTHxHEIGHTxDEPTH (1280x1024x24)")
    ap.add_argument("command", nargs=argparse.REMAINDER)
    a = ap.parse_args()
    command = a.command[a.command[:1] == ["--"]:]
    if not command:
        ap.error("no command (put it after --)")
    try:
        with PrivateDisplay(a.screen) as display:
            child = subprocess.Popen(DIES_WITH_PARENT + command, env=dict(os.environ, **display.env))
            for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):  # the command's to act on
                signal.signal(s, lambda signum, _: child.send_signal(signum))
            while True:  # reaping the orphans handed to us as they end
                pid, status = os.waitpid(-1, 0)
                if pid == child.pid:
                    child.returncode = os.waitstatus_to_exitcode(status)
                    break
    except Failure as e:
        sys.exit(f"private_display.py: {e}")
    return child.returncode if child.returncode >= 0 else 128 - child.returncode


if __name__ == "__main__":
    sys.exit(main())
