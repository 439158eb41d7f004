#!/usr/bin/env python3
# Plays the first steps of the browser build in headless Chromium and checks what the page
# shows: the title screen with its pictures, caption and six buttons, New Game by a click, a name
# typed on the keyboard, and Enter pressing the default button. Run by scripts/web-check.sh.
# Usage: web_check.py SITE_FOLDER SCREENSHOT.png
import base64
import json
import os
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

import websocket


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Page:
    """One tab of the browser, driven through its debugging protocol."""

    def __init__(self, debug_port):
        for _ in range(100):
            try:
                targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{debug_port}/json"))
                tab = next(t for t in targets if t["type"] == "page")
                break
            except (OSError, StopIteration):
                time.sleep(0.2)
        else:
            raise RuntimeError("the browser did not open a page")
        self.socket = websocket.create_connection(tab["webSocketDebuggerUrl"])
        self.last = 0

    def call(self, method, **params):
        self.last += 1
        self.socket.send(json.dumps({"id": self.last, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last:
                return message.get("result", {})

    def value(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result.get("result", {}).get("value")

    def key(self, key, code, text="", code_number=0):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                      text=text if kind == "keyDown" else "", windowsVirtualKeyCode=code_number)
        time.sleep(0.2)

    def wait_for(self, expression):
        for _ in range(50):
            if self.value(expression):
                return True
            time.sleep(0.1)
        return False


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
    web_port, debug_port = free_port(), free_port()
    server = subprocess.Popen(
        [sys.executable, "-m", "http.server", str(web_port), "--bind", "127.0.0.1",
         "--directory", site], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with tempfile.TemporaryDirectory() as profile:
        browser = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
             f"--user-data-dir={profile}", f"--remote-debugging-port={debug_port}",
             "--window-size=1200,900", f"http://127.0.0.1:{web_port}/"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            page = Page(debug_port)
            play(page, failures.append)
            with open(screenshot, "wb") as out:
                out.write(base64.b64decode(page.call("Page.captureScreenshot")["data"]))
        finally:
            browser.terminate()
            browser.wait()
            server.terminate()
            server.wait()
    for failure in failures:
        print(f"web check: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
