"""What the screen reader tests share: the game's board over AT-SPI, key presses, and what
Orca said."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STACKS = 35


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def find_board():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and (app.name or "").lower() == "glossatiles":
                board = pyatspi.findDescendant(app, lambda node: node.name == "Board")
                if board is not None and board.childCount > STACKS:
                    return app, board
        time.sleep(0.2)
    sys.exit("FAIL: the game's board never appeared on the accessibility bus")


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True, timeout=10)
    pump(0.6)


def activate_game_window():
    """Key presses go to the active window."""
    windows = subprocess.run(["xdotool", "search", "--name", "^Glossatiles"],
                             capture_output=True, text=True, timeout=10).stdout.split()
    for window in windows:
        subprocess.run(["xdotool", "windowactivate", window], timeout=10,
                       stderr=subprocess.DEVNULL)
    pump(1.0)


def words_in_reading_order(board):
    """The top tiles' words, in the order Right walks them."""
    return [board[i].name for i in range(STACKS) if board[i].name != "empty"]


def spoken():
    """The texts Orca sent to the speech server, without their speech markup."""
    with open(os.environ["SPEECH_LOG"], encoding="utf-8") as log:
        lines = [line.rstrip("\n") for line in log]
    return [re.sub(r"<[^>]*>", "", line[len("SPEAK "):]).strip()
            for line in lines if line.startswith("SPEAK ") and len(line) > len("SPEAK ")]
