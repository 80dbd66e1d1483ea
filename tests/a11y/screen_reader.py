"""Reads the running game over AT-SPI as a screen reader does, then removes the pair uno/one
with key presses alone and checks what the reader is told."""
import sys

import pyatspi
from board_reader import STACKS, activate_game_window, find_board, key

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


app, board = find_board()

for bar in pyatspi.findAllDescendants(app, lambda n: n.getRoleName() == "tool bar"):
    buttons = [b for b in bar if b.getRoleName() in ("push button", "toggle button")]
    check(len(buttons) >= 14, "the toolbar shows its buttons, found %d" % len(buttons))
    for button in buttons:
        check(bool(button.name) and "\t" not in button.name,
              "a toolbar button is named %r" % button.name)

stacks = [board[i] for i in range(STACKS)]
words = [(i, s.name) for i, s in enumerate(stacks) if s.name != "empty"]
check(sorted(w for _, w in words) == ["dos", "one", "two", "uno"],
      "every tile word is a name on the board: %s" % words)
for stack in stacks:
    if stack.name == "empty":
        check(not stack.getState().contains(pyatspi.STATE_VISIBLE), "an empty stack is invisible")
check(board[STACKS].name == "Correct 0", "the Correct panel reads %r" % board[STACKS].name)

focused = []


def on_focus(event):
    if event.detail1:
        focused.append(event.source.name)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
activate_game_window()

# A deal replaces every child, the focused one too: the reader is told where focus is now.
key("Home")
heard = len(focused)
key("alt+g", "Return")  # Game > New Game
stacks = [board[i] for i in range(STACKS)]
at_cursor = [s.name for s in stacks if s.getState().contains(pyatspi.STATE_FOCUSED)]
check(len(focused) > heard and at_cursor and focused[-1] == at_cursor[0],
      "after a deal focus is announced on the cursor's stack %s, heard %s"
      % (at_cursor, focused[heard:]))
words = [(i, s.name) for i, s in enumerate(stacks) if s.name != "empty"]

# Right walks the stacks with tiles in reading order, which is the children's order.
order = [w for _, w in words]
for word in ("uno", "one"):
    key("Home", *(["Right"] * order.index(word)))
    check(focused and focused[-1] == word,
          "focus events name the word under the cursor: want %s, heard %s" % (word, focused[-1:]))
    key("Return")

check(board[STACKS].name == "Correct 1", "after the pair the Correct panel reads %r"
      % board[STACKS].name)
left = sorted(s.name for s in stacks if s.name != "empty")
check(left == ["dos", "two"], "uno and one left the board: %s" % left)

sys.exit(1 if failures else 0)
