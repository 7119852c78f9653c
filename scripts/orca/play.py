"""The player of scripts/orca-play.sh: presses keys as a blind player would and prints, for each
step, what Orca said (its debug log's speech lines since the keys were sent)."""
import os
import re
import subprocess
import sys
import time

LOG = sys.argv[1]
SPEECH = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s?(?=\{|\[\{|$|ACSS)",
                    re.S | re.M)
# Orca's echo of the keys pressed, left out of the transcript.
ECHO = {"tab", "left shift", "left control", "return", "space", "escape", "down", "up", "enter",
        "alt", "left alt", "insert", "shift", "control"}
ALERTS = ("alert", "Alarm")


def log_text():
    try:
        with open(LOG, encoding="utf-8", errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def wait_quiet(quiet=1.5, longest=20.0):
    """Waits until Orca's log has not grown for `quiet` seconds."""
    start = time.monotonic()
    size, since = -1, time.monotonic()
    while time.monotonic() - start < longest:
        now = os.path.getsize(LOG) if os.path.exists(LOG) else 0
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return
        time.sleep(0.1)


def said_since(offset):
    return [u for u in SPEECH.findall(log_text()[offset:]) if u.strip().lower() not in ECHO]


def keys(*names):
    for name in names:
        if name.startswith("orca+"):
            subprocess.run(["xdotool", "keydown", "Insert", "key", name[5:], "keyup", "Insert"])
        elif name.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "120", name[5:]])
        else:
            subprocess.run(["xdotool", "key", name])
        time.sleep(0.4)


def step(label, *names):
    offset = len(log_text())
    keys(*names)
    wait_quiet()
    said = said_since(offset)
    print(f"## {label}" + (f"  [{' '.join(names)}]" if names else ""))
    for utterance in said:
        print(f'   "{utterance}"')
    sys.stdout.flush()
    return said


def close_alerts(said):
    """Presses Enter on each message box that a step brought up."""
    while any(u.startswith(ALERTS) for u in said):
        said = step("Close the message", "Return")
    return said


def main():
    for _ in range(100):
        if "SPEECH OUTPUT" in log_text() and "Story" in log_text():
            break
        time.sleep(0.3)
    wait_quiet(2.0)
    print("## The game starts")
    for utterance in said_since(0):
        print(f'   "{utterance}"')
    step("Close the story", "space")
    market = os.environ.get("ORCA_MARKET")
    if market:
        step("File, Play Market Number", "ctrl+m")
        step(f"Type {market}, Return", f"type:{market}", "Return")
        step("Yes, a new game", "y")
    step("Where am I", "KP_Enter")
    close_alerts(step("Travel to Wailey", "ctrl+2"))
    step("Back to the money buttons: Finances", "shift+Tab", "shift+Tab", "shift+Tab")
    step("Press Return on Finances", "Return")
    step("Tab to the cash", "Tab")
    step("Tab on", "Tab")
    step("Pay Loan", "Tab")
    step("Press Pay Loan", "Return")
    step("Type 100 and Return", "ctrl+a", "type:100", "Return")
    step("Close Finances", "Escape")
    step("Tab into the market", "Tab")
    step("Down to Grapes, the third row", "ctrl+Home", "Down", "Down")
    step("Buy them (Return)", "Return")
    step("Buy 5 (type 5, Return)", "type:5", "Return")
    step("Tab into the goods carried", "Tab")
    for day in range(2, 46):
        close_alerts(step(f"Travel (day {day})", f"ctrl+{day % 3 + 1}"))
    for _ in range(12):
        if any("Finish" in u for u in step("Tab", "Tab")):
            break
    said = close_alerts(step("Press Finish", "Return"))
    if market:
        step("Tab to the burial window's button", "Tab")
        step("Copy the result line", "space")
    for _ in range(3):
        if any("name" in u.lower() for u in said):
            said = step("Type a name, Return", "type:Orca Tester", "Return")
        elif any("Highscores" in u for u in said):
            break
        else:
            said = close_alerts(step("Return", "Return"))
    if not any("Highscores" in u for u in said):
        # An Alt key is now and then lost while Qt waits for Orca to answer the key before it:
        # a second press opens the menu.
        if not step("Open the View menu", "alt+v"):
            step("Open the View menu again", "alt+v")
        said = step("Highscores", "h")
    for place in range(3):
        step("Next place", "Tab")
    step("Close the table", "Escape")
    step("Tab in the main window", "Tab")


main()
