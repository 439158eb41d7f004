# The winning playthrough by clicks on the page's own buttons, the same route the window layer's
# tests take: a new hero named Ann on the on-screen keys, the story's first errands, training to
# level 5, the cave and its leader, and back to the title. After every step, every control in the
# page must show what the game holds.
ROUTE = (
    "TitleScreen.Command1 | NameEntry.Command30 | NameEntry.Command2 | "
    "NameEntry.Command40 | NameEntry.Command15 | NameEntry.Command15 | NameEntry.Command1 | "
    "StoryScreen.Command1 | told: ...Good Luck, Ann | walk DDDD L | MoveScreen.Command8 | "
    "game.StoryStage: 2 | walk LL L | TravelWindow.TrainingCenter | game.Position: x10y1 | "
    "walk UUUU | MoveScreen.Command8 | game.StoryStage: 3 | train | game.YourAT: 19 | "
    "walk DDDD D | TravelWindow.BanditsCave | walk UUUUU LLLLLLL L | "
    "game.Quadrant: Q3 | walk L DDDD LL UUUUUU LLLLL UU U | game.Quadrant: Q1 | "
    "walk U RR UU R UUUU RRR DDD RR R | game.Quadrant: Q2 | walk RRRR | "
    "game.Position: x6y5 | MoveScreen.Command8 | game.StoryStage: 4 | fight | "
    "shown ClosingWindow | gone MoveScreen | gone BattleScreen | ClosingWindow.Command1 | "
    "shown TitleScreen")

ARROWS = {"U": "Command3", "R": "Command4", "L": "Command5", "D": "Command6"}


class Route:
    def __init__(self, player):
        self.player = player

    def press(self, window, control):
        if not self.player.press(window, control):
            return f"no {window}.{control} on show to click"
        return self.differences()

    def differences(self):
        problems = self.player.mismatches()
        return f"the page differs from the game: {problems[:5]}" if problems else ""

    def loaded(self, name):
        return any(w["name"] == name for w in self.player.state()["windows"])

    def fight(self):
        for _ in range(40):
            battle = next((w for w in self.player.state()["windows"]
                           if w["name"] == "BattleScreen"), None)
            if not battle:
                break
            won = next(c for c in battle["controls"] if c["name"] == "Command1")["enabled"]
            problem = self.press("BattleScreen", "Command1" if won else "cmbAttack")
            if problem:
                return problem
        if self.loaded("BattleScreen") or self.loaded("StoryScreen"):
            return "the battle was lost or never won"
        return ""

    def walk(self, path):
        for direction in path.replace(" ", ""):
            problem = self.press("MoveScreen", ARROWS[direction])
            if not problem and self.loaded("BattleScreen"):
                problem = self.fight()
            if problem:
                return problem
        return ""

    def train(self):
        for _ in range(200):
            if self.player.state()["game"]["YourLevel"] >= 5:
                return ""
            problem = self.walk("DU")
            if problem:
                return problem
        return "not level 5"

    def told(self, expected):
        player = self.player
        if player.read == len(player.messages):
            return "told nothing"
        message = player.messages[player.read]
        player.read += 1
        matches = message.endswith(expected[3:]) if expected.startswith("...") else message == expected
        return "" if matches else f"told {message!r}"

    def check(self, step):
        subject, _, expected = step.partition(": ")
        if subject == "told":
            return self.told(expected)
        if subject.startswith("game."):
            figure = str(self.player.state()["game"][subject[5:]])
            return "" if figure == expected else f"{subject} is {figure}"
        verb, *names = step.split()
        if verb == "shown":
            shown = sorted(self.player.shown())
            return "" if shown == sorted(names) else f"shown: {shown}"
        return f"{names[0]} is still loaded" if self.loaded(names[0]) else ""

    def step(self, step):
        verb, _, rest = step.partition(" ")
        if verb == "walk":
            return self.walk(rest)
        if verb == "train":
            return self.train()
        if verb == "fight":
            return self.fight()
        if "." in verb and not rest and ":" not in step:
            return self.press(*verb.split("."))
        return self.check(step)


def play_winning_route(player):
    """Plays the route in a fresh page; answers what went wrong, or an empty string."""
    player.start()
    route = Route(player)
    problem = route.check("shown TitleScreen") or route.differences()
    if problem:
        return f"at the title: {problem}"
    for step in ROUTE.split(" | "):
        problem = problem or route.step(step)
        if problem:
            return f"at {step!r}: {problem}"
    return ""
