#!/usr/bin/python3
"""What a blind user hears: drives Marelto by keyboard alone under Orca, the
screen reader of Linux desktops, with German settings, and checks Orca's own
words, taken from the "SPEECH OUTPUT:" lines of its debug log.

Usage: orca_speech.py PROGRAM [LOG]
LOG, if given, receives a copy of Orca's debug log.
Needs a D-Bus session bus (orca_speech.sh provides it); starts its own X
display (Xvfb), window manager (openbox) and Orca. Prints what Orca said after
each key press; exits 1 on any failure.
"""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

NEW_WATER_RESULT = "690,91 Gramm Meersalz werden benötigt"
MAGNESIUM_RESULT = "227,4g Magnesiumchlorid Hexahydrat"

# What a reader must never speak: the controls of panels out of sight, and a
# caption read with its line-break hyphen.
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
# least one, 0 none, 1 exactly one. Focus starts in the temperature field;
# Tab goes temperature, volume, density, "Berechnen", then on through the
# navigation row "Über", "Salz", "Magnesium".
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
    ]),
    ("Tab on to \"Magnesium\"", ["Tab", "Tab", "Tab", "Tab"], [
        (r"Magnesium", None),
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

SETTLE_SECONDS = 2.5
KEY_DELAY_MS = 150

UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'( voice=\w+)? ?(\{.*\}|None)?$", re.S)
STAMP = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - (.*)$")


def utterances(log_path):
    """(time of day, text) of every utterance in Orca's debug log; a record
    goes on over the lines Orca indents by 18 blanks."""
    records = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            line = line.rstrip("\n")
            stamped = STAMP.match(line)
            if stamped:
                records.append([stamped.group(1), stamped.group(2)])
            elif records and line.startswith(" " * 18):
                records[-1][1] += "\n" + line[18:]
    spoken = []
    for stamp, record in records:
        said = UTTERANCE.match(record)
        if said:
            spoken.append((datetime.time.fromisoformat(stamp), said.group(1).strip()))
    return spoken


def start_display(scratch):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["/usr/bin/Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-auth", os.path.join(scratch, "xauth")],
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


def wait_for(probe, seconds):
    deadline = time.monotonic() + seconds
    while not probe():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


def accessibility_enabled(env):
    """Orca switches the desktop's accessibility on as it starts."""
    answer = subprocess.run(
        ["/usr/bin/gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
         "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Get", "org.a11y.Status",
         "IsEnabled"], env=env, capture_output=True, text=True)
    return answer.returncode == 0 and "true" in answer.stdout


def xdotool(env, *arguments):
    return subprocess.run(["/usr/bin/xdotool", *arguments], env=env, capture_output=True,
                          text=True)


def run(program, scratch, keep_log):
    display_server, display = start_display(scratch)
    env = dict(os.environ, DISPLAY=display, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8",
               LANGUAGE="de_DE:de", HOME=scratch, PATH="/usr/bin:/bin",
               XDG_CONFIG_HOME=os.path.join(scratch, "config"),
               XDG_DATA_HOME=os.path.join(scratch, "data"),
               XDG_CACHE_HOME=os.path.join(scratch, "cache"),
               XDG_RUNTIME_DIR=scratch, QT_QPA_PLATFORM="xcb")
    env.pop("XAUTHORITY", None)
    log_path = os.path.join(scratch, "orca.log")
    started = []
    failures = []
    steps = []
    try:
        started.append(subprocess.Popen(["/usr/bin/openbox"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        # Without an audio device the speech server would block Orca; what
        # Orca says is logged all the same. No braille display either.
        orca = subprocess.Popen(["/usr/bin/orca", "--disable", "speech", "--disable", "braille",
                                 "--debug-file", log_path, "--user-prefs",
                                 os.path.join(scratch, "orca")], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        started.append(orca)
        if not wait_for(lambda: accessibility_enabled(env), 60):
            print("FAIL: Orca did not switch accessibility on")
            return 1
        # Orca loads its scripts after switching accessibility on.
        time.sleep(3)
        started.append(subprocess.Popen([program], env=env, cwd=scratch))
        if not wait_for(lambda: xdotool(env, "search", "--onlyvisible", "--name",
                                        "Marelto").stdout.strip(), 30):
            print("FAIL: the program's window did not come up")
            return 1
        for description, keys, expected in STEPS:
            steps.append(datetime.datetime.now().time())
            if keys:
                xdotool(env, "key", "--delay", str(KEY_DELAY_MS), *keys)
            time.sleep(SETTLE_SECONDS * (2 if not keys else 1))
        steps.append(datetime.datetime.now().time())
        # Orca writes its log in blocks; it is whole once Orca has ended.
        orca.terminate()
        orca.wait(30)
    finally:
        for process in reversed(started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        display_server.terminate()
        display_server.wait(10)

    if keep_log:
        shutil.copyfile(log_path, keep_log)
    spoken = utterances(log_path)
    for index, (description, keys, expected) in enumerate(STEPS):
        said = [text for when, text in spoken if steps[index] <= when < steps[index + 1]]
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
    print(f"orca_speech: {len(failures)} failure(s)")
    return 1 if failures else 0


def main():
    with tempfile.TemporaryDirectory(prefix="marelto-orca-") as scratch:
        return run(os.path.abspath(sys.argv[1]), scratch, sys.argv[2] if len(sys.argv) > 2 else None)


if __name__ == "__main__":
    sys.exit(main())
