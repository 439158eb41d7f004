# Puts the page's game where a benchmark or a screenshot needs it, by the page's own means: a new
# hero is made through New Game and saved with the move screen's Save, the saved line is moved to
# another place, and Load Game is handed the edited file. Only the game's own save record is
# edited, so the page shows what the game would show after walking there.
import os
import tempfile
import time

# The last four fields of the record: where the hero stands and the steps left before a fight.
LOCATION, POSITION, QUADRANT, STEPS_TO_FIGHT = range(-4, 0)


def control(window, name):
    return f"#desktop [data-window={window}]:not([hidden]) [data-control={name}]"


def fields_of(line):
    """The record's fields as written; a quoted field keeps its quotes and commas."""
    fields, at = [], 0
    while True:
        end = line.index('"', at + 1) + 1 if line[at] == '"' else line.find(",", at)
        end = len(line) if end == -1 else end
        fields.append(line[at:end])
        if end >= len(line):
            return fields
        at = end + 1


class Places:
    def __init__(self, player):
        self.player = player
        self.folder = tempfile.mkdtemp(prefix="quillmar-places-")
        player.page.catch_files(self.folder)
        self.record = None

    def new_hero(self):
        """A new hero named Ann by the title's New Game, on the move screen."""
        player = self.player
        player.start()
        for window, name in (("TitleScreen", "Command1"), ("NameEntry", "Command30"),
                             ("NameEntry", "Command2"), ("NameEntry", "Command40"),
                             ("NameEntry", "Command15"), ("NameEntry", "Command15"),
                             ("NameEntry", "Command1"), ("StoryScreen", "Command1")):
            if not player.press(window, name):
                raise RuntimeError(f"no {window}.{name} to click")
        if "MoveScreen" not in player.shown():
            raise RuntimeError(f"a new game showed {player.shown()}, not the move screen")

    def saved_record(self):
        """The record the page's Save writes for a new hero, fields apart."""
        if self.record is None:
            self.new_hero()
            self.player.page.call("Input.dispatchKeyEvent", type="keyDown", key="s", code="KeyS",
                                  windowsVirtualKeyCode=83, modifiers=2)
            self.player.page.call("Input.dispatchKeyEvent", type="keyUp", key="s", code="KeyS",
                                  windowsVirtualKeyCode=83, modifiers=2)
            if not self.player.page.wait_for("!!document.querySelector('.modal label input')"):
                raise RuntimeError("Ctrl+S opened no save dialog")
            self.player.click(".modal .answers button")
            path = os.path.join(self.folder, "GAME.QSV")
            for _ in range(250):
                if os.path.exists(path):
                    break
                time.sleep(0.02)
            else:
                raise RuntimeError("the save was not downloaded")
            time.sleep(0.2)
            with open(path, newline="") as saved:
                line = saved.read()
            self.ending = "\r\n" if line.endswith("\r\n") else "\n"
            self.record = fields_of(line.rstrip("\r\n"))
        return list(self.record)

    def load(self, location, quadrant, position, steps_to_fight=None):
        """A fresh page with the new hero loaded at that place, on the move screen (or in a
        battle, when the steps left before a fight run out there)."""
        fields = self.saved_record()
        fields[LOCATION], fields[QUADRANT], fields[POSITION] = (
            f'"{location}"', f'"{quadrant}"', f'"{position}"')
        if steps_to_fight is not None:
            fields[STEPS_TO_FIGHT] = str(steps_to_fight)
        path = os.path.join(self.folder, f"{location}{quadrant}{position}.QSV")
        with open(path, "w", newline="") as edited:
            edited.write(",".join(fields) + self.ending)
        player, page = self.player, self.player.page
        player.start()
        page.events.clear()
        if not player.press("TitleScreen", "Command2"):
            raise RuntimeError("no Load Game to click")
        opened = page.event("Page.fileChooserOpened")
        if not opened:
            raise RuntimeError("Load Game opened no file chooser")
        page.call("DOM.setFileInputFiles", files=[path], backendNodeId=opened["backendNodeId"])
        page.wait_for("!!document.querySelector('.modal') || "
                      "!document.querySelector('[data-window=TitleScreen]:not([hidden])')", 5)
        player.answer_messages()
        game = player.state()["game"]
        if not {"MoveScreen", "BattleScreen"} & set(player.shown()) or (game["Quadrant"], game["Position"]) != (
                quadrant, position):
            raise RuntimeError(f"loading showed {player.shown()} at {game['Quadrant']} "
                               f"{game['Position']}, not {quadrant} {position}")
