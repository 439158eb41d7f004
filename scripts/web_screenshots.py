#!/usr/bin/env python3
# Takes the browser's screenshots for the README from the page in headless Chromium, each cropped
# to the game window's box, in the states of the desktop's (packaging/ReadmeScreenshots.cpp):
# the title, a new hero on Farmin Q1 x8y4, and a battle in the training center against the
# BanditInTraining after one Attack (in the page, met in the cave).
# Usage: web_screenshots.py SITE_FOLDER OUT_FOLDER
import base64
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page import browser  # noqa: E402
from places import Places, control  # noqa: E402
from player import Player  # noqa: E402

ARROWS = ("Command3", "Command4", "Command5", "Command6")
ENEMY = "Bandit In Training"


def shoot(page, window, path):
    # The page scales the game to fit the browser's window; the shot undoes that scale, so that
    # it has the desktop's size in pixels and the two can be set side by side.
    box = page.value(f"""(b => [b.left, b.top, b.width, b.height])(document.querySelector(
        '#desktop [data-window={window}]:not([hidden])').getBoundingClientRect())""")
    scale = float(page.value(
        "getComputedStyle(document.documentElement).getPropertyValue('--scale') || '1'"))
    shot = page.call("Page.captureScreenshot", format="png", clip={
        "x": box[0], "y": box[1], "width": box[2], "height": box[3], "scale": 1 / scale})
    with open(path, "wb") as png:
        png.write(base64.b64decode(shot["data"]))


def battle_with(player, places):
    """A battle against the BanditInTraining. The desktop's shot opens that battle in the
    training center directly; a page can only meet an enemy by the game's own rules, and the
    training center's enemies are slimes and bats, so the hero is loaded in the cave's screen
    where that bandit attacks, one step from a fight, and steps until one opens."""
    places.load("BanditsCave", "Q2", "x5y5", steps_to_fight=1)
    for arrow in ARROWS:
        if "BattleScreen" in player.shown():
            break
        player.press("MoveScreen", arrow)
    battle = player.page.value(
        "document.querySelector('[data-window=BattleScreen]:not([hidden])')?.textContent ?? ''")
    return ENEMY in battle


def main():
    site, out = sys.argv[1], sys.argv[2]
    with browser(site) as page:
        player = Player(page)
        player.start()
        shoot(page, "TitleScreen", os.path.join(out, "web-title.png"))
        places = Places(player)
        places.load("Farmin", "Q1", "x8y4")
        shoot(page, "MoveScreen", os.path.join(out, "web-move.png"))
        if not battle_with(player, places):
            raise RuntimeError(f"no battle against the {ENEMY}")
        if not player.press("BattleScreen", "cmbAttack"):
            raise RuntimeError("no Attack to click")
        shoot(page, "BattleScreen", os.path.join(out, "web-battle.png"))


if __name__ == "__main__":
    main()
