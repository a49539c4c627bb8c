#!/usr/bin/env python3
"""What Orca says while a program is worked from the keyboard.

    orca_session.py [--title REGEX] [--web[=chromium|=firefox]] [--keep DIR] PROGRAM [ARGS...] < ACTIONS

Starts, in a private temporary directory, an Xvfb display, a session D-Bus,
the accessibility bus and registry, openbox, a silent speech-dispatcher and
Orca; then PROGRAM (with --web: Chromium on the HTML file PROGRAM, with
--web=firefox Firefox), waits for its window, plays the actions and prints
what Orca said after each:

    key NAME...     xdotool key names: Escape Return Tab shift+Tab space
    type TEXT       types TEXT
    answer COMMAND  runs COMMAND (sh -c) with the transcript so far on its
                    standard input and types the first line it prints
    wait SECONDS    waits, listening

After each action it waits until Orca has been quiet for a moment (bounded).
Everything it starts is stopped again, by process id, however the run ends.
"""
import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from private_display import Failure, PrivateDisplay  # noqa: E402

QUIET = 1.0        # Orca has finished an answer when it has said nothing for this long,
FIRST_WORD = 1.0   # but not before this long after the action,
LONGEST = 12.0     # and never later than this.
START_LIMIT = 60.0
# The flags the page's tests start Chromium with.
CHROMIUM_FLAGS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "tests",
                              "chromium-flags.json")

# Orca logs every string it speaks to its "speech" logger; this hook sends
# each one, with the time Orca spoke it, down a pipe to the harness. Unlike
# the debug log it needs no parsing of multi-line records nor file polling,
# and the harness learns of each word the moment it is said.
HOOK = r'''
import json, logging, os
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
_log = logging.getLogger("speech")
if not getattr(_log, "harness_pipe", None):
    class _Pipe(logging.Handler):
        def emit(self, record):
            _log.harness_pipe.write(json.dumps([record.created, record.getMessage()]) + "\n")
    _log.harness_pipe = os.fdopen(@FD@, "w", buffering=1)
    _log.addHandler(_Pipe())
'''
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?: \{.*\})?$", re.S)


class Stop(BaseException):
    """A signal or the run's time limit: leave whatever is under way."""

    def __init__(self, message, status):
        super().__init__(message)
        self.status = status


class Lines:
    """The lines a process writes to a pipe, read as they come."""

    def __init__(self, fd, log=None, parse=lambda line: (time.time(), line)):
        self.items, self.cond, self.closed = [], threading.Condition(), False
        self._parse, self._log = parse, log
        threading.Thread(target=self._read, args=(os.fdopen(fd, "rb"),), daemon=True).start()

    def _read(self, pipe):
        for raw in pipe:
            line = raw.decode("utf-8", "replace").rstrip("\n")
            if self._log:
                self._log.write(line + "\n")
            item = self._parse(line)
            with self.cond:
                if item:
                    self.items.append(item)
                self.cond.notify_all()
        with self.cond:
            self.closed = True
            self.cond.notify_all()

    def wait_for(self, pattern, timeout, what):
        end = time.time() + timeout
        with self.cond:
            while True:
                for _, line in self.items:
                    if re.search(pattern, line):
                        return line
                if self.closed or time.time() >= end:
                    raise Failure("no %s within %g s" % (what, timeout))
                self.cond.wait(end - time.time())


def spoken(line):
    try:
        when, message = json.loads(line)
    except ValueError:
        return None
    m = SPOKEN.match(message)
    return (when, m.group(1).strip()) if m else None


class Step:
    def __init__(self, label, start):
        self.label, self.start, self.typed, self.notes, self.speech = label, start, None, [], []


class Session:
    def __init__(self, argv, title=None, web=None, lang="ru_RU.UTF-8", keep=None):
        self.argv, self.title, self.web, self.lang, self.keep = argv, title, web, lang, keep
        self.steps, self.end, self.tmp, self.display = [], float("inf"), None, None

    # ---- processes
    def run(self, argv, timeout=20, stdin=b"", env=None):
        """A short command; on time-out its whole process group goes."""
        p = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             start_new_session=True)
        try:
            out, err = p.communicate(stdin, timeout)
        except BaseException as e:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()
            if isinstance(e, subprocess.TimeoutExpired):
                raise Failure("%s did not finish within %g s" % (" ".join(argv), timeout))
            raise
        if p.returncode:
            raise Failure("%s failed: %s" % (" ".join(argv), err.decode(errors="replace").strip()))
        return out.decode("utf-8", "replace").strip()

    # ---- the desktop
    def __enter__(self):
        try:
            self.set_up()
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGALRM):
            signal.signal(s, signal.SIG_IGN)
        signal.alarm(0)
        self.end = time.time()  # Orca's farewell is not the program's
        if self.display:
            self.display.stop()
        if self.tmp and self.keep:
            shutil.copytree(self.logs, self.keep, dirs_exist_ok=True)
            with open(os.path.join(self.keep, "transcript.txt"), "w") as f:
                f.write(self.transcript())
        if self.tmp:
            shutil.rmtree(self.tmp, ignore_errors=True)

    def set_up(self):
        self.tmp = tempfile.mkdtemp(prefix="orca-session-")
        self.logs = os.path.join(self.tmp, "logs")
        home = os.path.join(self.tmp, "home")
        self.env = {k: v for k, v in os.environ.items()
                    if k in ("PATH", "TMPDIR", "USER", "LOGNAME") or k.endswith("SAN_OPTIONS")}
        self.env.update(LANG=self.lang, LC_ALL=self.lang)
        self.display = PrivateDisplay(bus=True, folder=self.tmp, env=self.env).start()
        self.env.update(self.display.env)
        for d in ("bin", "home/.config/speech-dispatcher", "home/.local/share/orca"):
            os.makedirs(os.path.join(self.tmp, d), 0o700)

        # Each call starts what it asks for, through D-Bus activation, and
        # returns once it answers.
        for prop in ("IsEnabled", "ScreenReaderEnabled"):
            self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                      "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                      "string:org.a11y.Status", "string:" + prop, "variant:boolean:true"])
        a11y = re.search(r'string "(.*)"', self.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
             "/org/a11y/bus", "org.a11y.Bus.GetAddress"])).group(1)
        self.run(["dbus-send", "--bus=" + a11y, "--print-reply",
                  "--dest=org.a11y.atspi.Registry", "/", "org.freedesktop.DBus.Peer.Ping"])

        # A Russian school's keyboard. xdotool finds every Russian letter on
        # it; with Latin keys only it remaps a spare key for each, which
        # Chromium reads too late and types the wrong letter.
        self.run(["setxkbmap", "-layout", "us,ru"])
        self.display.spawn("openbox", ["openbox", "--sm-disable"])
        # xprop cannot watch a property whose name the server has not heard
        # of yet, so it watches them all.
        spy = self.display.spawn("xprop", ["stdbuf", "-oL", "xprop", "-spy", "-root"], pipe=True)
        Lines(spy.stdout.fileno()).wait_for(r"^_NET_SUPPORTING_WM_CHECK\(WINDOW\): window id",
                                            20, "window manager")
        os.killpg(spy.pid, signal.SIGTERM)

        # The private configuration: espeak-ng, its sound into ALSA's null sink.
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        with open(os.path.join(home, ".config/speech-dispatcher/speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" '
                    '"espeak-ng.conf"\nDefaultModule espeak-ng\nDefaultLanguage "ru"\n')
        # A log directory that does not exist sends the log to standard
        # output, where the line saying it is ready can be waited for.
        sd = self.display.spawn("speech-dispatcher", ["speech-dispatcher", "-s", "-t", "0", "-l",
                                "1", "-L", os.path.join(self.tmp, "none")], pipe=True)
        Lines(sd.stdout.fileno(), open(os.path.join(self.logs, "speech-dispatcher.log"), "a")
              ).wait_for("waiting for clients", 30, "speech-dispatcher")

        # Orca will not start while pgrep finds another Orca of this user,
        # which on a shared machine may well belong to someone else's run.
        with open(os.path.join(self.tmp, "bin", "pgrep"), "w") as f:
            f.write("#!/bin/sh\nexit 1\n")
        os.chmod(os.path.join(self.tmp, "bin", "pgrep"), 0o755)
        read, write = os.pipe()
        with open(os.path.join(home, ".local/share/orca/orca-customizations.py"), "w") as f:
            f.write(HOOK.replace("@FD@", str(write)))
        env = dict(self.env, PATH=os.path.join(self.tmp, "bin") + ":" + self.env["PATH"])
        debug = ["--debug-file=" + os.path.join(self.logs, "orca-debug.log")] if self.keep else []
        self.display.spawn("orca", ["orca"] + debug, env=env, pass_fds=(write,))
        os.close(write)
        self.speech = Lines(read, open(os.path.join(self.logs, "speech.log"), "a",
                                       buffering=1), spoken)
        # Orca greets once it listens to the desktop's events.
        self.speech.wait_for("", START_LIMIT, "greeting from Orca")
        self.settle(time.time())
        self.start_program()

    def start_program(self):
        self.steps.append(Step("start", time.time()))
        env = dict(self.env, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
        argv = self.argv
        if self.web:
            if not os.path.isfile(self.argv[0]):
                raise Failure("no page " + self.argv[0])
            argv = self.browser(self.web, "file://" + os.path.abspath(self.argv[0])) + self.argv[1:]
        self.program = self.display.spawn("program", argv, env=env, cwd=os.getcwd())
        search = ["xdotool", "search", "--sync", "--onlyvisible", "--all", "--pid",
                  str(self.program.pid)] + (["--name", self.title] if self.title else [])
        # A window that goes while xdotool looks at it (Chromium makes and
        # drops some as it starts) fails the search: look again, in bounds.
        give_up = time.time() + START_LIMIT
        while True:
            try:
                window = self.run(search, max(1.0, give_up - time.time())).split()[0]
                break
            except Failure as e:
                if "BadWindow" not in str(e) or time.time() >= give_up:
                    raise
        self.run(["xdotool", "windowactivate", "--sync", window])
        self.run(["xdotool", "windowfocus", "--sync", window])
        self.settle(time.time())

    def browser(self, name, url):
        """The command that opens url in a fresh profile of Chromium or Firefox."""
        profile = os.path.join(self.tmp, name)
        if name == "firefox":
            os.makedirs(profile, exist_ok=True)
            # No first-run tab, question or update that would take the focus
            # from the page, and nothing fetched.
            with open(os.path.join(profile, "user.js"), "w") as f:
                for pref, value in [
                        ("browser.shell.checkDefaultBrowser", "false"),
                        ("browser.startup.homepage_override.mstone", '"ignore"'),
                        ("browser.aboutwelcome.enabled", "false"),
                        ("datareporting.policy.dataSubmissionEnabled", "false"),
                        ("toolkit.telemetry.reportingpolicy.firstRun", "false"),
                        ("app.update.auto", "false"),
                        ("browser.sessionstore.resume_from_crash", "false"),
                        ("network.captive-portal-service.enabled", "false"),
                        ("network.connectivity-service.enabled", "false"),
                        ("extensions.update.enabled", "false")]:
                    f.write("user_pref(%s, %s);\n" % (json.dumps(pref), value))
            return ["firefox-esr", "--no-remote", "--new-instance", "--profile", profile, url]
        # The flags the page's tests start Chromium with, and what Orca
        # needs besides: the accessibility tree.
        with open(CHROMIUM_FLAGS, encoding="utf-8") as f:
            flags = json.load(f)
        argv = ["chromium", "--force-renderer-accessibility", "--user-data-dir=" + profile]
        argv += flags["every"]
        # As root Chromium runs only unsandboxed; --test-type keeps it
        # from putting up a bar about that, which takes the focus.
        argv += flags["asRoot"] + ["--test-type"] if os.getuid() == 0 else []
        return argv + [url]

    # ---- listening
    def settle(self, since, heard_enough=lambda: True):
        """Until Orca has been quiet for QUIET s, and heard_enough() once it is."""
        with self.speech.cond:
            while True:
                now = time.time()
                last = max([since] + [t for t, _ in self.speech.items[-1:]])
                quiet_at = max(since + FIRST_WORD, last + QUIET)
                if now >= since + LONGEST or (now >= quiet_at and heard_enough()):
                    return
                self.speech.cond.wait((quiet_at if now < quiet_at else since + LONGEST) - now)

    def play(self, line, heard_enough=lambda step: True):
        verb, _, arg = line.strip().partition(" ")
        step = Step(line.strip(), time.time())
        self.steps.append(step)
        if verb == "answer":
            out = self.run(["sh", "-c", arg], stdin=self.transcript().encode()).splitlines()
            step.typed = out[0].strip() if out else ""
            step.notes.append("(typed %r)" % step.typed)
            verb, arg = "type", step.typed
        if verb == "key":
            self.run(["xdotool", "key", "--clearmodifiers", "--"] + arg.split())
        elif verb == "type":
            self.run(["xdotool", "type", "--clearmodifiers", "--delay", "100", "--", arg])
        elif verb == "wait":
            with self.speech.cond:
                self.speech.cond.wait_for(lambda: time.time() >= step.start + float(arg),
                                          float(arg))
            return step
        else:
            raise Failure("unknown action: " + line)
        self.listen(step, heard_enough)
        if self.program.poll() is not None:
            raise Failure("the program exited with status %d" % self.program.returncode)
        return step

    def listen(self, step, heard_enough, since=None):
        """Until Orca is quiet after the step and heard_enough(step) (bounded)."""
        def enough():
            self.attribute()
            return heard_enough(step)
        self.settle(step.start if since is None else since, enough)

    def attribute(self):
        """Each string Orca said goes to the action it followed."""
        for step in self.steps:
            step.speech = []
        with self.speech.cond:
            for t, text in self.speech.items:
                owners = [s for s in self.steps if s.start <= t]
                if owners and t < self.end:
                    owners[-1].speech.append(text)

    def transcript(self):
        if not hasattr(self, "speech"):
            return ""
        self.attribute()
        out = []
        for step in self.steps:
            out.append(">>> " + step.label)
            out += ["    " + n for n in step.notes]
            out += ["    SPEECH: " + s for s in step.speech]
        return "\n".join(out) + "\n"


def on_signal(signum, frame):
    if signum == signal.SIGALRM:
        raise Stop("the run took too long", 1)
    raise Stop("stopped by " + signal.Signals(signum).name, 128 + signum)


def guard(limit):
    """Turns signals and the time limit into Stop, which unwinds into clean-up."""
    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGALRM):
        signal.signal(s, on_signal)
    signal.alarm(int(limit))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[1])
    ap.add_argument("--title", help="the window's title must match this (an extended "
                    "regular expression, as xdotool reads it)")
    ap.add_argument("--web", nargs="?", const="chromium", choices=("chromium", "firefox"),
                    help="PROGRAM is a page, for Chromium or the browser named")
    ap.add_argument("--keep", metavar="DIR", help="copy the logs, Orca's debug log among them, here")
    ap.add_argument("--timeout", type=float, default=600, help="bound on the whole run")
    ap.add_argument("program", nargs=argparse.REMAINDER)
    a = ap.parse_args()
    if not a.program:
        ap.error("no program")
    actions = [l for l in sys.stdin.read().splitlines() if l.strip() and not l.startswith("#")]
    guard(a.timeout)
    session = Session(a.program, a.title, a.web, keep=a.keep)
    try:
        with session:
            for action in actions:
                session.play(action)
    except (Failure, Stop) as e:
        print(session.transcript() + "orca_session: %s" % e, file=sys.stderr)
        sys.exit(getattr(e, "status", 1))
    print(session.transcript(), end="")


if __name__ == "__main__":
    main()
