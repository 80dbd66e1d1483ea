"""Plays a pick, a wrong pick and a match by keyboard while Orca listens, and checks what Orca
asked the speech server to say: each move once, the match before the tile the cursor lands
on; then the last pair, and the window that says the game is finished."""
import sys

from board_reader import activate_game_window, find_board, key, pump, spoken, words_in_reading_order

PARTNER = {"uno": "one", "one": "uno", "dos": "two", "two": "dos"}


def pick(order, word):
    key("Home", *(["Right"] * order.index(word)))
    key("Return")
    pump(0.5)


app, board = find_board()
activate_game_window()
order = words_in_reading_order(board)
first = "uno"
wrong = next(word for word in order if word not in (first, PARTNER[first]))

heard_before = len(spoken())
pick(order, first)
pick(order, wrong)
pick(order, PARTNER[first])
heard = spoken()[heard_before:]
print("heard:", heard)

# The last pair ends the game: its window is heard with its summary.
heard_before = len(spoken())
order = words_in_reading_order(board)
pick(order, "dos")
pick(order, "two")
# A busy machine is slow to show the window: wait for it, then for what Orca reads in it.
for _ in range(40):
    if any("Game finished" in line for line in spoken()[heard_before:]):
        break
    pump(0.25)
pump(3.0)
finished = spoken()[heard_before:]
print("heard at the end:", finished)

expected = ["uno, selected.", "Wrong: %s is not uno's pair." % wrong, "Correct: uno = one."]
failures = []
for text in expected:
    if heard.count(text) != 1:
        failures.append("%r said %d times" % (text, heard.count(text)))
if not failures:
    positions = [heard.index(text) for text in expected]
    if positions != sorted(positions):
        failures.append("the moves were heard out of order")
    after_match = heard[positions[-1] + 1:]
    if not any(line.endswith("push button.") for line in after_match):
        failures.append("the tile the cursor lands on was not heard after the match")
if not any("Game finished" in line for line in finished):
    failures.append("the Game finished window's title was not heard")
if not any("Correct: 2" in line and "Wrong: 1" in line for line in finished):
    failures.append("the Game finished window's summary was not heard")
if not any(" = " in line and "missed" in line for line in finished):
    failures.append("the Game finished window's first pair was not heard")
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
