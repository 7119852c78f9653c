"""The player of scripts/orca-play.sh: presses keys as a blind player would and prints, for each
step, what Orca said (its debug log's speech lines since the keys were sent), and for each day
the keys pressed and the words heard."""
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


# What the player pressed and heard since the day began.
tally = {"keys": 0, "words": 0}


def keys(*names):
    for name in names:
        tally["keys"] += len(name[5:]) if name.startswith("type:") else 1
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
    tally["words"] += sum(len(u.split()) for u in said)
    print(f"## {label}" + (f"  [{' '.join(names)}]" if names else ""))
    for utterance in said:
        print(f'   "{utterance}"')
    sys.stdout.flush()
    return said


def day_done(label):
    """Prints the keys pressed and the words heard since the last day was done."""
    print(f"== {label}: {tally['keys']} keys, {tally['words']} words")
    tally.update(keys=0, words=0)


def tab_to(label, words, key="Tab", most=12):
    """Presses `key` until Orca names what `words` is in (it is then where the player wants)."""
    for _ in range(most):
        said = step(label, key)
        if any(words in u for u in said):
            return said
    return []


def plain_day(day):
    """A plain day from the market: a journey, the ten prices, one purchase and one sale."""
    close_alerts(step(f"Travel (day {day})", f"ctrl+{day % 3 + 1}"))
    step("Hear the ten prices", "ctrl+Home", *["Down"] * 9)
    step("Buy one Water, the fourth row", "ctrl+Home", *["Down"] * 3, "Return", "type:1", "Return")
    step("Tab into the goods carried", "Tab")
    close_alerts(step("Sell what the row holds (Return, Return)", "Return", "Return"))
    step("Back to the market", "shift+Tab")
    day_done(f"day {day}, a plain day")


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
    day_done("day 0")
    step("Tab to Wailey's button", "Tab")
    close_alerts(step("A journey by the town's button (Return)", "Return"))
    tab_to("Tab to Finances", "Finances")
    step("Press Return on Finances", "Return")
    tab_to("Tab to Pay Loan", "Pay Loan")
    step("Press Pay Loan", "Return")
    step("Type 500, as a player who cannot see the box", "type:500")
    step("Return", "Return")
    step("Close Finances", "Escape")
    tab_to("Tab into the market", "Items you can buy")
    step("Down to Grapes, the third row", "ctrl+Home", "Down", "Down")
    step("Buy them (Return)", "Return")
    step("Buy 5 (type 5, Return)", "type:5", "Return")
    step("Tab into the goods carried", "Tab")
    step("Down in the goods carried", "Down")
    step("Back to the market", "shift+Tab")
    day_done("day 1")
    for day in range(2, 5):
        plain_day(day)
    step("Open the ledger", "ctrl+l")
    for page, table in (("alt+p", "day by day"), ("alt+f", "Money and worth")):
        step("The page", page)
        if page == "alt+p":
            step("Show the figures as a table", "alt+t")
        tab_to("Tab to the table", table)
        step("Read the days", "Down", "Down")
    for label, *names in (("Close the ledger", "Escape"), ("How to Play", "F1"),
                          ("Tab to the first entry of the contents", "Tab"),
                          ("Tab on twice", "Tab", "Tab"), ("Follow it (Return)", "Return"),
                          ("Read on", "Down"), ("Close How to Play", "Escape")):
        step(label, *names)
    day_done("day 4, the ledger and How to Play")
    if os.environ.get("ORCA_SHORT"):
        return
    for day in range(5, 46):
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
