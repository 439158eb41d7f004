#!/usr/bin/env python3
# The browser tests: the winning playthrough by clicks on the page with the page checked against
# the game after every step, then a seeded random player. Run by scripts/web-tests.sh.
# Usage: run.py SITE_FOLDER [SEED] [ACTIONS]
import sys
import time

from page import browser
from player import Player
from random_play import play_randomly
from winning import play_winning_route


def main():
    site = sys.argv[1]
    # A fixed seed by default, so that a run can be played again; a failure prints it anyway.
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    actions = int(sys.argv[3]) if len(sys.argv) > 3 else 5000
    tests = [("the winning playthrough", play_winning_route),
             (f"{actions} random actions, seed {seed}",
              lambda player: play_randomly(player, seed, actions))]
    failed = 0
    with browser(site) as page:
        player = Player(page)
        for name, test in tests:
            began = time.monotonic()
            problem = test(player)
            took = time.monotonic() - began
            print(f"{'FAIL' if problem else 'ok'}: {name} ({took:.0f} s)")
            if problem:
                print(problem)
                failed += 1
    print(f"{len(tests) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
