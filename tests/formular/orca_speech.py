#!/usr/bin/python3
"""What a blind user hears: drives Marelto by keyboard alone under Orca, the
screen reader of Linux desktops, with German settings, and checks Orca's own
words, taken from the "SPEECH OUTPUT:" lines of its debug log.

Usage: orca_speech.py PROGRAM [LOG]
LOG, if given, receives a copy of Orca's debug log.
Needs a D-Bus session bus (orca_speech.sh provides it); starts its own X
display (Xvfb), window manager (openbox) and Orca. Orca's log is read as
Orca writes it. A step hears what Orca says from the moment Orca takes in
the step's first key until it takes in the next step's, which are pressed
once the step has heard what it waits for. Prints what Orca said after each
key press; exits 1 on any failure.
"""
import codecs
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import tty

NEW_WATER_RESULT = "690,91 Gramm Meersalz werden benötigt"
MAGNESIUM_RESULT = "227,4g Magnesiumchlorid Hexahydrat"
# The last line of a whole-window reading.
NAVIGATION_ROW = r"^Salz Magnesium Calcium Über$"

NEVER = [
    r"Momentane Dichte",
    r"Musterstraße",
    r"Nutzungsbedingungen",
    r"Berechnung mit Magnesiumzugabe",
    r"Clacium",
    r"Magnesium- gehalt",
    r"nicht mehr ausgewählt",
]

# One step per row: what it is, the keys pressed (xdotool key names; a
# double press within half a second is one double command to Orca), and what
# Orca then says, each a pattern with how many utterances match it: None at
# least one, 0 none, 1 exactly one. The next step's keys are pressed once
# every pattern wanted at least or exactly once has been heard, so the last
# of them is what a step's keys make Orca say last. Focus starts in the
# temperature field; Tab goes temperature, volume, density, "Berechnen",
# then on through the navigation row "Über", "Salz", "Magnesium".
STEPS = [
    ("window comes up", [], [
        (r"Wassertemperaur in Grad Celsius", None),
        (r"\b25\b", 1),
        (r"(?<![\d,])2(?![\d,])", 0),
    ]),
    ("Tab to the volume field", ["Tab"], [
        (r"Wassermenge in Liter", None),
        (r"\b20\b", 1),
        (r"(?<![\d,])2(?![\d,])", 0),
    ]),
    ("Tab to the density field", ["Tab"], [
        (r"Gewünschte Spezifische Dichte", None),
        (r"(?<!ist )\b1,023\b", 1),
        (r"\b1,02\b(?!3)", 0),
    ]),
    ("Tab to the new-water \"Berechnen\"", ["Tab"], [
        (r"Berechnen", None),
    ]),
    ("Return on \"Berechnen\" (new water)", ["Return"], [
        (re.escape(NEW_WATER_RESULT), 1),
    ]),
    ("read the whole window", ["KP_Add", "KP_Add"], [
        (r"Wassertemperaur in Grad Celsius", None),
        (r"Benötigte Salzmenge", None),
        (re.escape(NEW_WATER_RESULT), None),
        (r"Gewünschter Magnesiumgehalt|Benötigte Mengen", 0),
        (NAVIGATION_ROW, None),
    ]),
    ("Tab on to \"Magnesium\"", ["Tab", "Tab", "Tab", "Tab"], [
        (r"Magnesium Druckknopf", None),
    ]),
    ("Return on \"Magnesium\"", ["Return"], [
        (r"Magnesium erhöhen", None),
    ]),
    ("Tab into the magnesium panel", ["Tab", "Tab"], [
        (r"Wassermenge in Liter", None),
        (r"\b300\b", 1),
        (r"\b30\b", 0),
    ]),
    ("Tab to the current magnesium", ["Tab"], [
        (r"Momentaner Magnesiumgehalt mg/Liter", None),
        (r"\b1200\b", 1),
        (r"\b120\b", 0),
    ]),
    ("Tab to the wanted magnesium", ["Tab"], [
        (r"(?<!ist )\b1300\b", 1),
        (r"\b130\b", 0),
    ]),
    ("Tab to the magnesium \"Berechnen\"", ["Tab"], [
        (r"Berechnen", None),
    ]),
    ("Return on \"Berechnen\" (magnesium)", ["Return"], [
        (re.escape(MAGNESIUM_RESULT), 1),
    ]),
    ("read the whole window", ["KP_Add", "KP_Add"], [
        (r"Gewünschter Magnesiumgehalt", None),
        (r"Benötigte Mengen", None),
        (re.escape(MAGNESIUM_RESULT), None),
        (r"Wassertemperaur|Benötigte Salzmenge|" + re.escape(NEW_WATER_RESULT), 0),
        (NAVIGATION_ROW, None),
    ]),
    ("a letter into the wanted magnesium", ["shift+Tab", "ctrl+a", "x"], [
        (r"^x$", None),
    ]),
    ("Return on \"Berechnen\" with the letter", ["Tab", "Return"], [
        (r"Alarm Marelto", None),
        (r"Laufzeitfehler '13':\s+Typen unverträglich", None),
        (r"OK Druckknopf", None),
    ]),
    ("Return closes the message", ["Return"], [
        (r"Berechnen", None),
    ]),
]

# What a step waits for comes within a second on an idle machine; the
# limits leave room for a loaded one.
STEP_LIMIT_SECONDS = 60
START_LIMIT_SECONDS = 120
KEY_DELAY_MS = 150
# A key that asks nothing of the window, pressed to close the last step.
CLOSING_KEY = "shift"

UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'( voice=\w+)? ?(\{.*\}|None)?$", re.S)
STAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - (.*)$")
KEY_TAKEN_IN = re.compile(r"^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '(.*)' \(\d+\) vvvvv$")
READY = "ORCA: Startup complete notification made"
# Orca goes on with a record over lines it indents by this many blanks.
INDENT = " " * 18


class OrcaLog:
    """Orca's debug log as Orca writes it, as a list of events: ("said",
    text), ("key", name) when Orca takes in a key press, ("ready", None) when
    it has started. The log is a terminal, which Orca's Python writes line by
    line rather than in blocks, so nothing waits for Orca to end."""

    def __init__(self, copy_path):
        self._terminal, self._writer = os.openpty()
        tty.setraw(self._writer)  # no line endings rewritten
        self.path = os.ttyname(self._writer)
        self.events = []
        self.ended = False
        self._changed = threading.Condition()
        self._reader = threading.Thread(target=self._read, args=(copy_path,), daemon=True)
        self._reader.start()

    def _read(self, copy_path):
        decoder = codecs.getincrementaldecoder("utf-8")(errors="replace")
        partial = ""
        record = None
        with open(copy_path, "w", encoding="utf-8") as copy:
            while True:
                try:
                    chunk = os.read(self._terminal, 65536)
                except OSError:  # no one holds the terminal open any more
                    chunk = b""
                if not chunk:
                    break
                text = decoder.decode(chunk)
                copy.write(text)
                *lines, partial = (partial + text).split("\n")
                for line in lines:
                    record = self._take(line, record)
        self._finish(record)
        with self._changed:
            self.ended = True
            self._changed.notify_all()

    def _take(self, line, record):
        """Takes one line; returns the record still open."""
        if record is not None and line.startswith(INDENT):
            return record + "\n" + line[len(INDENT):]
        self._finish(record)
        key = KEY_TAKEN_IN.match(line)
        if key:
            self._add(("key", key.group(1)))
            return None
        stamped = STAMP.match(line)
        return stamped.group(1) if stamped else None

    def _finish(self, record):
        if record is None:
            return
        said = UTTERANCE.match(record)
        if said:
            self._add(("said", said.group(1).strip()))
        elif record == READY:
            self._add(("ready", None))

    def _add(self, event):
        with self._changed:
            self.events.append(event)
            self._changed.notify_all()

    def wait(self, found, seconds):
        """Waits until found(events) gives something other than None, the log
        ends or the limit passes; returns what it gave last."""
        with self._changed:
            answer = None

            def done():
                nonlocal answer
                answer = found(self.events)
                return answer is not None or self.ended

            self._changed.wait_for(done, seconds)
            return answer

    def close(self):
        """Lets the reader finish once Orca, the last writer, has gone."""
        os.close(self._writer)
        self._reader.join(10)


def first_key(since):
    return lambda events: next((i for i in range(since, len(events)) if events[i][0] == "key"),
                               None)


def heard_all(start, expected):
    """Every pattern wanted at least or exactly once among the utterances from
    start on."""
    wanted = [pattern for pattern, count in expected if count != 0]

    def found(events):
        said = [text for kind, text in events[start:] if kind == "said"]
        if all(any(re.search(pattern, text) for text in said) for pattern in wanted):
            return len(events)
        return None

    return found


def start_display(scratch):
    read_end, write_end = os.pipe()
    # Never resetting, as scripts/lib/xvfb.sh explains.
    server = subprocess.Popen(
        ["/usr/bin/Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-noreset", "-auth", os.path.join(scratch, "xauth")],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb gave no display number")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def press(env, keys):
    return subprocess.run(["/usr/bin/xdotool", "key", "--delay", str(KEY_DELAY_MS), *keys],
                          env=env, capture_output=True, text=True).returncode == 0


def end(process):
    """Ends a process we started; one that does not end when asked is killed."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def drive(log, env, program, started):
    """Starts the program once Orca is ready and runs the steps; returns each
    step's span of log events and the failures met on the way."""
    orca = started[-1]
    failures = []
    ready = log.wait(lambda events: True if ("ready", None) in events
                     else False if orca.poll() is not None else None, START_LIMIT_SECONDS)
    if not ready:
        return [], [f"Orca did not start within {START_LIMIT_SECONDS} s"]
    start = len(log.events)
    window = subprocess.Popen([program], env=env, cwd=env["HOME"])
    started.append(window)
    spans = []
    for description, keys, expected in STEPS:
        if keys:
            since = len(log.events)
            if not press(env, keys):
                failures.append(f"{description}: xdotool could not press {keys}")
                break
            start = log.wait(first_key(since), STEP_LIMIT_SECONDS)
            if start is None:
                failures.append(f"{description}: Orca took in no key within "
                                f"{STEP_LIMIT_SECONDS} s")
                break
            spans[-1][1] = start
        spans.append([start, None])
        if log.wait(heard_all(start, expected), STEP_LIMIT_SECONDS) is None:
            failures.append(f"{description}: not all heard within {STEP_LIMIT_SECONDS} s")
            if log.ended or window.poll() is not None:
                break
    if spans:
        since = len(log.events)
        closed = None
        if press(env, [CLOSING_KEY]):
            closed = log.wait(first_key(since), STEP_LIMIT_SECONDS)
        spans[-1][1] = closed if closed is not None else len(log.events)
    return spans, failures


def run(program, scratch, keep_log):
    display_server, display = start_display(scratch)
    env = dict(os.environ, DISPLAY=display, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8",
               LANGUAGE="de_DE:de", HOME=scratch, PATH="/usr/bin:/bin",
               XDG_CONFIG_HOME=os.path.join(scratch, "config"),
               XDG_DATA_HOME=os.path.join(scratch, "data"),
               XDG_CACHE_HOME=os.path.join(scratch, "cache"),
               XDG_RUNTIME_DIR=scratch, QT_QPA_PLATFORM="xcb")
    env.pop("XAUTHORITY", None)
    log_copy = os.path.join(scratch, "orca.log")
    log = OrcaLog(log_copy)
    started = []
    try:
        started.append(subprocess.Popen(["/usr/bin/openbox"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        # Without an audio device the speech server would block Orca; what
        # Orca says is logged all the same. No braille display either.
        started.append(subprocess.Popen(
            ["/usr/bin/orca", "--disable", "speech", "--disable", "braille", "--debug-file",
             log.path, "--user-prefs", os.path.join(scratch, "orca")], env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        spans, failures = drive(log, env, program, started)
    finally:
        for process in reversed(started):
            end(process)
        log.close()
        end(display_server)

    if keep_log:
        shutil.copyfile(log_copy, keep_log)
    for failure in failures:
        print(f"FAIL: {failure}")
    for (description, keys, expected), (start, stop) in zip(STEPS, spans):
        said = [text for kind, text in log.events[start:stop] if kind == "said"]
        print(f"{' '.join(keys) or '(start)'}: {description}")
        for text in said:
            print(f"    {text!r}")
        for pattern, count in expected + [(never, 0) for never in NEVER]:
            matches = sum(1 for text in said if re.search(pattern, text))
            wanted = {None: matches > 0, 0: matches == 0, 1: matches == 1}[count]
            if not wanted:
                rule = {None: "at least once", 0: "never", 1: "exactly once"}[count]
                failures.append(f"{description}: /{pattern}/ {rule}, said {matches} times")
                print(f"  FAIL: /{pattern}/ {rule}, said {matches} times")
    if len(spans) < len(STEPS):
        failures.append(f"{len(STEPS) - len(spans)} step(s) not reached")
    print(f"orca_speech: {len(failures)} failure(s)")
    return 1 if failures else 0


def main():
    with tempfile.TemporaryDirectory(prefix="marelto-orca-") as scratch:
        return run(os.path.abspath(sys.argv[1]), scratch, sys.argv[2] if len(sys.argv) > 2 else None)


if __name__ == "__main__":
    sys.exit(main())
