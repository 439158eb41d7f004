# A random player in the page: clicks random buttons of the windows on show and their close
# boxes, answers the dialogs, and after every action checks what must always hold: one window to
# act on (the about box aside) or the program ended, and every figure of a begun game in range.
import os
import random
import re
import shutil
import tempfile

# The arrows and the fight are the game, so they come up more often.
WEIGHTS = {"MoveScreen.Command3": 8, "MoveScreen.Command4": 8, "MoveScreen.Command5": 8,
           "MoveScreen.Command6": 8, "MoveScreen.Command8": 4, "BattleScreen.cmbAttack": 6,
           "TitleScreen.Command2": 4, "NameEntry.Command1": 4}

ITEMS = ["Bread", "LBread", "Fruit", "LFruit", "Chocolate", "Mace", "Helmet", "Shoes",
         "Boomerang", "Bomb"]


def outside(value, lowest, highest):
    return value < lowest or value > highest


def on_a_cell(position):
    cell = re.fullmatch(r"x(\d+)y(\d+)", position)
    return bool(cell) and not outside(int(cell[1]), 1, 10) and not outside(int(cell[2]), 1, 10)


def broken_figure(game):
    if any(outside(game["Num" + item], 0, 9999) for item in ITEMS):
        return "an item's count out of range"
    if outside(game["YourLevel"], 1, 5) or outside(game["StoryStage"], 1, 4):
        return "the level or the story's stage out of range"
    if outside(game["StepsToFight"], 0, 5) or game["YourEX"] < 0 or game["YourGold"] < 0:
        return "the step count, EX or gold out of range"
    if game["YourHP"] > game["YourMaxHP"] or outside(game["YourTP"], 0, game["YourMaxTP"]):
        return "HP or TP beyond its maximum"
    if any(game["Your" + f] != game["YourMax" + f] for f in ("AT", "DE", "SE", "SP")):
        return "a figure off its level's value"
    if game["YourMaxHP"] != game["YourMaxTP"]:
        return "the greatest HP and TP differ"
    return "" if on_a_cell(game["Position"]) else f"the hero stands at {game['Position']!r}"


def broken_windows(state):
    if state["ended"]:
        return "" if not state["loaded"] else "the program ended with windows loaded"
    acted_on = [name for name in state["shown"] if name != "AboutBox"]
    return "" if len(acted_on) == 1 else f"windows to act on: {acted_on}"


class RandomPlayer:
    def __init__(self, player, seed):
        self.player = player
        self.random = random.Random(seed)
        self.steps = []
        # The state after the last action: the windows, figures and buttons to choose from.
        self.state = None
        # Where the page's saves land, to be loaded again at the title.
        self.saves = tempfile.mkdtemp(prefix="quillmar-saves-")
        player.page.catch_files(self.saves)

    def choose(self, state):
        choices = []
        for window, control in state["choices"]:
            step = f"{window}.{control}"
            choices += [step] * WEIGHTS.get(step, 1)
        return self.random.choice(choices)

    def look(self):
        """The state after an action, once every message is read and a save dialog answered."""
        while True:
            state = self.player.page.value("quillmarTest.afterAction()")
            if state["message"] is not None:
                self.player.click(".modal .answers button")
            elif state["saving"]:
                answer = self.random.choice([1, 1, 1, 2])
                self.player.click(f".modal .answers button:nth-child({answer})")
                self.steps.append("  answered " + ("OK" if answer == 1 else "Cancel"))
            else:
                return state

    def answer_load(self):
        """Picks one of the games saved so far in the file chooser, or now and then cancels."""
        page = self.player.page
        opened = page.event("Page.fileChooserOpened")
        if not opened:
            return "Load Game opened no file chooser"
        saves = sorted(os.listdir(self.saves))
        if saves and self.random.randrange(6):
            picked = os.path.join(self.saves, self.random.choice(saves))
            page.call("DOM.setFileInputFiles", files=[picked], backendNodeId=opened["backendNodeId"])
            self.steps.append(f"  picked {os.path.basename(picked)}")
            # The page reads the file before the game hears of it.
            page.wait_for("!!document.querySelector('.modal') || "
                          "!document.querySelector('[data-window=TitleScreen]:not([hidden])')", 2)
        else:
            # No file handed over is the chooser's cancel.
            page.call("DOM.setFileInputFiles", files=[], backendNodeId=opened["backendNodeId"])
            self.steps.append("  cancelled")
        return ""

    def act(self):
        step = self.choose(self.state)
        self.steps.append(step)
        window, control = step.split(".")
        self.player.click(f"#desktop [data-window={window}]:not([hidden]) [data-control={control}]")
        problem = self.answer_load() if step == "TitleScreen.Command2" else ""
        state = self.look()
        problem = problem or broken_windows(state)
        if not problem and not state["ended"] and state["game"]["StoryStage"] != 0:
            problem = broken_figure(state["game"])
        if not problem and state["ended"]:
            self.steps.append("  (the program ended; the page starts again)")
            self.player.start()
            state = self.look()
        self.state = state
        return problem


def play_randomly(player, seed, actions):
    """Plays that many random actions in a fresh page; answers the first problem with the seed
    and the steps that led to it, or an empty string."""
    player.start()
    random_player = RandomPlayer(player, seed)
    random_player.state = random_player.look()
    try:
        for _ in range(actions):
            problem = random_player.act()
            if problem:
                steps = "\n".join(random_player.steps[-60:])
                return (f"seed {seed}, after {len(random_player.steps)} steps: {problem}\n"
                        f"the last steps:\n{steps}")
        return ""
    finally:
        shutil.rmtree(random_player.saves)
