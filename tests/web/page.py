# The browser the web tests drive: a static server for the site, Debian's headless Chromium, and
# one tab of it driven through the browser's debugging protocol.
import contextlib
import json
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
        # The kinds of event kept, and those the browser sent of them, oldest first.
        self.listening = set()
        self.events = []

    def call(self, method, **params):
        self.last += 1
        self.socket.send(json.dumps({"id": self.last, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            if message.get("method") in self.listening:
                self.events.append(message)

    def catch_files(self, folder):
        """Hands the page's file choosers to the test and lets its downloads land in folder."""
        self.listening.add("Page.fileChooserOpened")
        self.call("Page.enable")
        self.call("Page.setInterceptFileChooserDialog", enabled=True)
        self.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=folder)

    def value(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           userGesture=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression[:80]}: {result['exceptionDetails']}")
        return result.get("result", {}).get("value")

    def key(self, key, code, text="", code_number=0):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                      text=text if kind == "keyDown" else "", windowsVirtualKeyCode=code_number)

    def click_at(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def wait_for(self, expression, seconds=5):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.value(expression):
                return True
            time.sleep(0.02)
        return False

    def event(self, method, seconds=5):
        """The first event of that kind the browser sends, taken from those waiting."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            for event in self.events:
                if event["method"] == method:
                    self.events.remove(event)
                    return event["params"]
            self.socket.settimeout(max(deadline - time.monotonic(), 0.01))
            try:
                message = json.loads(self.socket.recv())
                if message.get("method") in self.listening:
                    self.events.append(message)
            except websocket.WebSocketTimeoutException:
                pass
            finally:
                self.socket.settimeout(None)
        return None


@contextlib.contextmanager
def browser(site):
    """Serves the site on 127.0.0.1 and opens it in headless Chromium; yields the page's tab and
    always stops both."""
    web_port, debug_port = free_port(), free_port()
    server = subprocess.Popen(
        [sys.executable, "-m", "http.server", str(web_port), "--bind", "127.0.0.1",
         "--directory", site], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
            chromium = subprocess.Popen(
                ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                 f"--user-data-dir={profile}", f"--remote-debugging-port={debug_port}",
                 "--window-size=1200,900", f"http://127.0.0.1:{web_port}/"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                yield Page(debug_port)
            finally:
                chromium.terminate()
                chromium.wait()
    finally:
        server.terminate()
        server.wait()
