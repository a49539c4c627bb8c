#!/usr/bin/python3
"""Start-up of an X11 program on a private Xvfb display, run after run.

    startup.py [options] --title REGEX -- COMMAND [ARGS...]

Each run starts COMMAND anew on a display of its own (no window manager, so
a window counts as mapped the moment it asks to be) and measures, from just
before the exec:
  map_ms       to the MapNotify of the top-level window whose title matches
               REGEX (a title set after the map counts from when it is set)
  paint_ms     to the first drawing into that window: the first DAMAGE event
               on it after its map
  hwm_mib      peak resident memory (VmHWM) 1 s after the map
  idle_cpu_ms  CPU time (all threads) from the map to 2 s after it
  late_cpu_ms  the part of it from 1 s to 2 s after the map
With --callgrind the command runs under valgrind's callgrind instead, is sent
SIGTERM at the first paint (callgrind writes its counts as it dies of it),
and `ir` is the number of instructions from the exec to that moment: the
figure that repeats on a busy machine.

The figures are those of the window's process (_NET_WM_PID, when it is the
command or one of its children: a wrapper script may start it). The program
runs with QT_QPA_PLATFORM=xcb, a private session bus, and HOME and the XDG
folders in a temporary folder kept over the runs of one call, so that the
unmeasured first run pays for whatever a first start writes.

Everything it starts is stopped by PID: the command's process group, then
anything that left the group (the harness adopts orphans of its children),
then the bus and Xvfb; on success, failure, time-out and Ctrl-C alike.
Needs Xvfb, dbus-daemon, python3-xlib, and valgrind for --callgrind.
"""

import argparse
import json
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from private_display import PrivateDisplay, parent_of, terminate  # noqa: E402

try:
    from Xlib import X, Xatom, display as xdisplay, error as xerror
    from Xlib.ext import damage
except ImportError:
    sys.exit("startup.py: needs python3-xlib (apt-get install python3-xlib)")

SECOND = 1_000_000_000


def cpu_ns(pid):
    """The kernel's CPU clock of a whole process (every thread, in ns): the
    clock id that clock_getcpuclockid() makes, CPUCLOCK_SCHED of a process."""
    try:
        return time.clock_gettime_ns(((~pid) << 3) | 2)
    except OSError:
        return None


def vm_hwm_mib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
    except OSError:
        pass
    return None


def descends_from(pid, ancestor):
    for _ in range(32):
        if pid == ancestor:
            return True
        if pid <= 1:
            return False
        pid = parent_of(pid)
    return False


def wait_exit(pidfd, seconds):
    return bool(select.select([pidfd], [], [], seconds)[0])


class Bench:
    def __init__(self, a):
        self.a = a
        self.tmp = tempfile.mkdtemp(prefix="startup.")
        self.session = PrivateDisplay(bus=True, folder=self.tmp)  # stopped last
        self.app = None    # (Popen, pidfd) of the run in progress
        self.x = None

    def start(self):
        self.session.start()
        x = self.x = xdisplay.Display(self.session.env["DISPLAY"])
        x.set_error_handler(lambda *_: None)  # a window may go before we look at it
        if not x.has_extension("DAMAGE"):
            raise RuntimeError("the X server has no DAMAGE extension")
        x.damage_query_version()
        self.root = x.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        atom = lambda name: x.intern_atom(name)
        self.NET_WM_NAME, self.UTF8 = atom("_NET_WM_NAME"), atom("UTF8_STRING")
        self.NET_WM_PID = atom("_NET_WM_PID")
        self.DAMAGE_NOTIFY = x.extension_event.DamageNotify
        x.sync()

        env = dict(os.environ)
        for k in ("WAYLAND_DISPLAY", "SESSION_MANAGER", "XAUTHORITY", "DESKTOP_STARTUP_ID"):
            env.pop(k, None)
        env.update(self.session.env, QT_QPA_PLATFORM="xcb")
        for kv in self.a.env:
            k, eq, v = kv.partition("=")
            if eq:
                env[k] = v
            else:
                env.pop(k, None)
        self.env = env

    # -- X ----------------------------------------------------------------
    def prop(self, win, atom, kind):
        try:
            p = self.x.create_resource_object("window", win).get_full_property(atom, kind)
        except xerror.XError:
            return None
        return p.value if p is not None else None

    def title(self, win):
        v = self.prop(win, self.NET_WM_NAME, self.UTF8)
        if v:
            return v.decode("utf-8", "replace")
        v = self.prop(win, Xatom.WM_NAME, X.AnyPropertyType)
        return v.decode("latin-1") if isinstance(v, bytes) else None

    def window_pid(self, win, app_pid):
        v = self.prop(win, self.NET_WM_PID, Xatom.CARDINAL)
        pid = int(v[0]) if v is not None and len(v) else None
        return pid if pid and descends_from(pid, app_pid) else None

    def events(self):
        """(time read, event) for each event that is there now."""
        while self.x.pending_events():
            ev = self.x.next_event()
            yield time.monotonic_ns(), ev

    # -- one run ----------------------------------------------------------
    def run(self, index):
        a, x = self.a, self.x
        for _ in self.events():  # what the last run's windows left
            pass
        command = list(a.command)
        if a.callgrind:
            out = os.path.join(self.tmp, f"callgrind.{index}")
            command = ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                       f"--log-file={out}.log"] + command
        log = open(os.path.join(self.tmp, f"run.{index}.log"), "wb")
        t0 = time.monotonic_ns()
        p = subprocess.Popen(command, env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                             stderr=log, start_new_session=True)
        pidfd = os.pidfd_open(p.pid)
        self.app = (p, pidfd)
        log.close()
        title = re.compile(a.title)
        wins = {}  # top-level window -> what we saw of it
        win = None
        t_map = t_paint = cpu_map = cpu_mid = cpu_end = hwm = None
        pid = None  # the window's process, once the window is known
        error = None
        while True:
            for t, ev in self.events():
                if ev.type == X.CreateNotify and ev.parent.id == self.root.id:
                    w = ev.window.id
                    obj = x.create_resource_object("window", w)
                    obj.change_attributes(event_mask=X.PropertyChangeMask)
                    obj.damage_create(damage.DamageReportNonEmpty)
                    # after the selection, so that a later _NET_WM_PID is seen
                    wins[w] = {"pid": self.window_pid(w, p.pid)}
                elif ev.type == X.MapNotify and ev.window.id in wins:
                    w, info = ev.window.id, wins[ev.window.id]
                    if "map" not in info:
                        # the CPU clock before any round trip, which could
                        # wait behind the program's first drawing
                        info["map"], info["cpu"] = t, (info["pid"], cpu_ns(info["pid"] or p.pid))
                        if win is None and title.search(self.title(w) or ""):
                            win, t_map = w, t
                elif ev.type == X.PropertyNotify and ev.window.id in wins:
                    w, info = ev.window.id, wins[ev.window.id]
                    if ev.atom == self.NET_WM_PID:
                        info["pid"] = self.window_pid(w, p.pid)
                    elif (win is None and "map" in info
                          and ev.atom in (self.NET_WM_NAME, Xatom.WM_NAME)
                          and title.search(self.title(w) or "")):
                        win, t_map = w, t  # titled after its map: counts from now
                elif ev.type == self.DAMAGE_NOTIFY:
                    info = wins.get(ev.drawable.id)
                    if info is not None and "map" in info and "paint" not in info:
                        info["paint"] = t
                if win is not None and pid is None:
                    info = wins[win]
                    pid = info["pid"] or p.pid
                    cpu_map = (info["cpu"][1] if t_map == info["map"] and info["cpu"][0] == info["pid"]
                               else cpu_ns(pid))
            now = time.monotonic_ns()
            if win is not None:
                t_paint = wins[win].get("paint")
                if a.callgrind:
                    if t_paint is not None:
                        break
                    deadline = t_map + int(a.timeout * SECOND)
                else:
                    if hwm is None and now >= t_map + SECOND:
                        hwm, cpu_mid = vm_hwm_mib(pid), cpu_ns(pid)
                    if now >= t_map + 2 * SECOND:
                        cpu_end = cpu_ns(pid)
                        break
                    deadline = t_map + (SECOND if hwm is None else 2 * SECOND)
            else:
                deadline = t0 + int(a.timeout * SECOND)
            if wait_exit(pidfd, 0):
                error = "the program ended " + ("before its window was mapped" if win is None
                                                else "in the 2 s after the map")
                break
            if now >= deadline:
                error = (f"no window titled /{a.title}/ mapped in {a.timeout:g} s" if win is None
                         else f"no paint in {a.timeout:g} s after the map")
                break
            if not x.pending_events():
                select.select([x.fileno(), pidfd], [], [], (deadline - now) / SECOND)

        res = {"run": index, "ok": False}
        if a.callgrind and error is None:
            res.update(self.instructions(p, pidfd, out))
            error = res.pop("error", None)
        self.stop()
        ms = lambda t: (t - t0) / 1e6 if t is not None else None
        res.update(map_ms=ms(t_map), paint_ms=ms(t_paint))
        if not a.callgrind:
            res.update(hwm_mib=hwm,
                       idle_cpu_ms=(cpu_end - cpu_map) / 1e6 if None not in (cpu_end, cpu_map) else None,
                       late_cpu_ms=(cpu_end - cpu_mid) / 1e6 if None not in (cpu_end, cpu_mid) else None)
        if error:
            res["error"] = error
        else:
            res["ok"] = True
        return res

    def instructions(self, p, pidfd, out):
        """SIGTERM at the first paint: valgrind lets callgrind write its counts
        as the program dies of the signal."""
        os.kill(p.pid, signal.SIGTERM)
        if not wait_exit(pidfd, 120):
            return {"error": "valgrind did not end in 120 s after SIGTERM"}
        ir = None
        try:
            with open(out) as f:
                for line in f:
                    if line.startswith(("summary:", "totals:")):
                        ir = int(line.split()[1])
        except (OSError, ValueError, IndexError):
            pass
        if ir is None:
            return {"error": f"no count from callgrind (see {out}.log)"}
        with open(out + ".log", errors="replace") as f:
            if "default action of signal 15" not in f.read():
                return {"ir": ir, "note": "the program caught SIGTERM: the count holds its shutdown"}
        return {"ir": ir}

    # -- stopping -----------------------------------------------------------
    def stop(self):
        """The run's program, its process group, then whatever left it."""
        if self.app is not None:
            p, pidfd = self.app
            # Until the leader is reaped its PID and group id stay ours.
            terminate(p.pid, 3, group=True)
            p.wait()
            os.close(pidfd)
            self.app = None
        self.session.stop_strays()

    def close(self):
        try:
            self.stop()
        finally:
            if self.x is not None:
                self.x.close()
            self.session.stop()
            if self.a.keep:
                print(f"startup.py: logs kept in {self.tmp}", file=sys.stderr)
            else:
                shutil.rmtree(self.tmp, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                 formatter_class=argparse.RawDescriptionHelpFormatter,
                                 epilog=__doc__.split("\n\n", 2)[2])
    ap.add_argument("-t", "--title", required=True, help="regular expression searched in the title")
    ap.add_argument("-n", "--runs", type=int, default=None, help="measured runs (7; 3 with --callgrind)")
    ap.add_argument("-w", "--warmup", type=int, default=1, help="unmeasured runs first (1)")
    ap.add_argument("--label", default=None, help="name in the summary")
    ap.add_argument("--env", action="append", default=[], metavar="K=V",
                    help="set K to V, or with K alone unset K, for the program")
    ap.add_argument("--callgrind", action="store_true", help="count instructions to the first paint")
    ap.add_argument("--timeout", type=float, default=None,
                    help="s to wait for the window, and with --callgrind for its paint (30; 600)")
    ap.add_argument("--json", metavar="FILE", help="all runs as JSON")
    ap.add_argument("--keep", action="store_true", help="keep the logs and callgrind files")
    ap.add_argument("command", nargs=argparse.REMAINDER)
    a = ap.parse_args()
    if a.command[:1] == ["--"]:
        a.command = a.command[1:]
    if not a.command:
        ap.error("no command (put it after --)")
    a.runs = a.runs if a.runs is not None else (3 if a.callgrind else 7)
    a.timeout = a.timeout or (600.0 if a.callgrind else 30.0)
    label = a.label or os.path.basename(a.command[0])
    missing = [n for n in ["Xvfb", "dbus-daemon"] + ["valgrind"] * a.callgrind if not shutil.which(n)]
    if missing:
        ap.error(f"needs {' and '.join(missing)} (Debian: apt-get install xvfb dbus-daemon valgrind)")

    def interrupted(signum, _frame):
        raise SystemExit(128 + signum)
    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, interrupted)

    bench = Bench(a)
    runs = []
    try:
        bench.start()
        for i in range(a.warmup + a.runs):
            r = bench.run(i)
            r["warmup"] = i < a.warmup
            runs.append(r)
            figures = "  ".join(f"{k} {v:,.1f}" if isinstance(v, float) else f"{k} {v}"
                                for k, v in r.items() if k not in ("run", "ok", "warmup") and v is not None)
            print(f"{label} {'warm-up' if r['warmup'] else 'run'} {i}: {figures}", flush=True)
    except RuntimeError as e:
        print(f"startup.py: {e}", file=sys.stderr)
        return 2
    finally:
        bench.close()
    measured = [r for r in runs if not r["warmup"]]
    good = [r for r in measured if r["ok"]]
    for key in ("map_ms", "paint_ms", "hwm_mib", "idle_cpu_ms", "late_cpu_ms", "ir"):
        values = [r[key] for r in good if r.get(key) is not None]
        if values:
            f = ",.0f" if key == "ir" else ",.1f"
            print(f"{label}: {key} median {statistics.median(values):{f}} "
                  f"(min {min(values):{f}}, max {max(values):{f}}, {len(values)} runs)")
    if a.json:
        with open(a.json, "w") as f:
            json.dump({"label": label, "command": a.command, "runs": runs}, f, indent=1)
    return 0 if len(good) == len(measured) else 1


if __name__ == "__main__":
    sys.exit(main())
