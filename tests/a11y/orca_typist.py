"""Opens a typing round with Ctrl+T while Orca listens, types one right answer and goes on, and
checks what Orca asked the speech server to say: the word asked, the verdict with the right
answer, and the next word, each once."""
import subprocess
import sys

import pyatspi

from board_reader import activate_game_window, find_board, key, pump, spoken

PARTNER = {"uno": "one", "dos": "two"}


def asked_word(app):
    """The word the round shows, read from its window."""
    for _ in range(50):
        label = pyatspi.findDescendant(
            app, lambda node: node.getRole() == pyatspi.ROLE_LABEL and node.name in PARTNER)
        if label is not None:
            return label.name
        pump(0.2)
    sys.exit("FAIL: the round's window never showed a word")


def heard_since(count):
    pump(1.5)
    return spoken()[count:]


app, board = find_board()
activate_game_window()
before = len(spoken())
key("ctrl+t")
first = asked_word(app)
opening = heard_since(before)
print("heard at the start:", opening)

before = len(spoken())
subprocess.run(["xdotool", "type", "--delay", "60", PARTNER[first]], check=True, timeout=10)
key("Return")
verdict = heard_since(before)
print("heard after the answer:", verdict)

before = len(spoken())
key("Return")
second = next(word for word in PARTNER if word != first)
going_on = heard_since(before)
print("heard after going on:", going_on)


def times(lines, text):
    return sum(line.count(text) for line in lines)


failures = []
for lines, text in ((opening, "Type the translation of: " + first),
                    (verdict, "Right. The answer: " + PARTNER[first]),
                    (going_on, "Type the translation of: " + second)):
    if times(lines, text) != 1:
        failures.append("%r said %d times" % (text, times(lines, text)))
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
