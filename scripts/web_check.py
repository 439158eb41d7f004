#!/usr/bin/env python3
# Plays the first steps of the browser build in headless Chromium and checks what the page
# shows: the title screen with its pictures, caption and six buttons, New Game by a click, a name
# typed on the keyboard, and Enter pressing the default button. Run by scripts/web-check.sh.
# Usage: web_check.py SITE_FOLDER SCREENSHOT.png
import base64
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from page import browser  # noqa: E402


SHOWN = "[...document.querySelectorAll('#desktop .window:not([hidden])')].map(w => w.dataset.window)"


def control(window, name):
    return f"document.querySelector('[data-window={window}] [data-control={name}]')"


def check_title(page, fail):
    buttons = page.value(
        "[...document.querySelectorAll('[data-window=TitleScreen] button.control')]"
        ".map(b => b.textContent)")
    if buttons != ["New Game", "Load Game", "Help", "Contact Us", "About", "Quit"]:
        fail(f"the title's buttons are {buttons}")
    for picture in ("Image1", "Image2"):
        if not page.value(f"{control('TitleScreen', picture)}.width > 0"):
            fail(f"the title's {picture} shows no picture")
    if page.value(f"{control('TitleScreen', 'Label1')}.textContent") != "Presents":
        fail("the title does not say Presents")
    if page.value("document.activeElement.dataset.control") != "Command1":
        fail("New Game does not have the focus")


def play(page, fail):
    if not page.wait_for(f"{SHOWN}.includes('TitleScreen')"):
        fail("the title screen did not open")
        return
    check_title(page, fail)
    page.value(f"{control('TitleScreen', 'Command1')}.click()")
    if not page.wait_for(f"{SHOWN}.join() == 'NameEntry'"):
        fail(f"New Game opened {page.value(SHOWN)}")
        return
    page.key("z", "KeyZ", "z", 90)
    name = page.value(f"{control('NameEntry', 'YouName')}.textContent")
    if not name.lower().endswith("z"):
        fail(f"typing z gave the name {name!r}")
    page.key("Enter", "Enter", "\r", 13)
    if not page.wait_for(f"{SHOWN}.includes('StoryScreen')"):
        fail(f"Enter on the name entry opened {page.value(SHOWN)}")


def main():
    site, screenshot = sys.argv[1], sys.argv[2]
    failures = []
    with browser(site) as page:
        play(page, failures.append)
        with open(screenshot, "wb") as out:
            out.write(base64.b64decode(page.call("Page.captureScreenshot")["data"]))
    for failure in failures:
        print(f"web check: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
