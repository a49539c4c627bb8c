#!/usr/bin/env python3
"""Works a program by ear with Orca and checks that everything a scenario
expects was said.

    check_scenario.py SCENARIO PROGRAM [ARGS...]
    check_scenario.py --web[=chromium|=firefox] SCENARIO PAGE.html

A scenario is the harness's actions (key, type, answer, wait), each followed by
the phrases Orca must say in answer to it:

    hear REGEX   a Python regular expression, searched in each string Orca
                 spoke after the action and before the next; {typed} stands for
                 what the last "answer" typed
    title REGEX  the window to wait for (an extended regular expression, as
                 xdotool reads it)

"hear" lines before the first action are checked against what Orca says when
the window appears. Prints the transcript; exits 0 when every phrase was heard,
1 when not, 77 when Orca or Xvfb is not installed.
"""
import locale
import re
import shutil
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
import orca_session  # noqa: E402

SKIP = 77
LANG = "ru_RU.UTF-8"  # the pupils' language, and Orca's words for roles


def read_scenario(path):
    title, steps = None, [(None, [])]  # (action, patterns); the first is the start
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            verb, _, arg = line.partition(" ")
            if verb == "title":
                title = arg
            elif verb == "hear":
                steps[-1][1].append(arg)
            elif verb in ("key", "type", "answer", "wait"):
                steps.append((line, []))
            else:
                sys.exit("%s:%d: unknown line: %s" % (path, n, line))
    return title, steps


def unheard(patterns, step, typed):
    return [p for p in patterns
            if not any(re.search(p.replace("{typed}", re.escape(typed or "")), said)
                       for said in step.speech)]


def main():
    args = sys.argv[1:]
    web = {"--web": "chromium", "--web=chromium": "chromium",
           "--web=firefox": "firefox"}.get(args[0] if args else "")
    args = args[1:] if web else args
    if len(args) < 2:
        sys.exit(__doc__)
    for tool in ("orca", "Xvfb"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return SKIP
    try:
        locale.setlocale(locale.LC_ALL, LANG)
    except locale.Error:
        print("FAILED: the locale %s is not generated (bash build.sh test generates it)" % LANG)
        return 1
    title, steps = read_scenario(args[0])
    missing, typed = [], None
    session = orca_session.Session(args[1:], title, web, LANG)
    orca_session.guard(120 + 20 * len(steps))
    try:
        with session:
            for action, patterns in steps:
                enough = lambda step: not unheard(patterns, step, typed)
                if action:
                    step = session.play(action, enough)
                else:  # what the window said when it appeared may still be coming
                    step = session.steps[0]
                    session.listen(step, enough, since=time.time())
                session.attribute()
                missing += [(step.label, p) for p in unheard(patterns, step, typed)]
                typed = step.typed if step.typed is not None else typed
    except (orca_session.Failure, orca_session.Stop) as e:
        print(session.transcript(), end="")
        print("FAILED: %s" % e)
        return getattr(e, "status", 1)
    print(session.transcript(), end="")
    for label, pattern in missing:
        print("NOT HEARD after %s: %s" % (label, pattern))
    if not missing:
        print("Heard all %d phrases." % sum(len(p) for _, p in steps))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
