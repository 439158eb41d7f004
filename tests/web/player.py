# A player at the page: clicks the page's own buttons with the mouse, answers the page's
# dialogs, and reads the game's account of itself.
import os

LAYER_CHECK = open(os.path.join(os.path.dirname(__file__), "layer.js")).read()

READY = "(() => { try { return Module.describe().windows.length > 0; } catch (e) { return false; } })()"

# The centre of an element in the page, or null when another element covers it there.
CENTRE = """(selector => {
    const element = document.querySelector(selector);
    if (!element) return null;
    const box = element.getBoundingClientRect();
    const x = box.left + box.width / 2, y = box.top + box.height / 2;
    return element.contains(document.elementFromPoint(x, y)) ? [x, y] : null;
})"""


class Player:
    def __init__(self, page):
        self.page = page
        # Every message the page showed, and how many of them the route has read.
        self.messages = []
        self.read = 0

    def start(self):
        """Loads the page afresh and waits for the title screen."""
        self.page.call("Page.reload")
        if not self.page.wait_for(READY, seconds=20):
            raise RuntimeError("the game did not start in the page")
        self.page.value(LAYER_CHECK)

    def state(self):
        return self.page.value("Module.describe()")

    def shown(self):
        return [w["name"] for w in self.state()["windows"] if w["shown"]]

    def click(self, selector):
        """Clicks an element with the mouse at its centre; one that another covers is clicked
        by the page's own means. Answers whether it was there."""
        centre = self.page.value(f"{CENTRE}({selector!r})")
        if centre:
            self.page.click_at(*centre)
            return True
        return bool(self.page.value(
            f"(e => e ? (e.click(), true) : false)(document.querySelector({selector!r}))"))

    def press(self, window, control):
        found = self.click(f"#desktop [data-window={window}]:not([hidden]) [data-control={control}]")
        self.answer_messages()
        return found

    def dialog_text(self):
        return self.page.value(
            "(d => d ? d.textContent : null)(document.querySelector('.modal .body'))")

    def answer_messages(self):
        """Reads and answers each message the page shows, with its OK."""
        while self.page.value("!!document.querySelector('.modal .body:not(label)')"):
            self.messages.append(self.dialog_text())
            self.click(".modal .answers button")

    def mismatches(self):
        return self.page.value("quillmarTest.mismatches()")
