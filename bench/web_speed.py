#!/usr/bin/env python3
# The browser view's figures, each with its target: the site's size, the title drawn after
# navigation, and a step and a screen crossing on the move screen, timed inside the page.
# Usage: web_speed.py SITE_FOLDER. Exits non-zero when a target is missed or a figure could not
# be measured. Run by bench/web-speed.sh, which builds the site first.
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page import browser  # noqa: E402
from places import Places, control  # noqa: E402
from player import Player  # noqa: E402

SITE_TARGET = 1.5e6
TITLE_TARGET_S = 0.5
MOVE_TARGET_MS = 4.0
LOADS = 5
MOVES = 1000

# Installed before the page's own scripts on every load: notes the first frame after which the
# title window is on show with its buttons and its pictures drawn. A requestAnimationFrame
# callback runs just before the browser paints; the time is taken in the next one, after that
# paint. performance.now() counts from the navigation's start.
TITLE_PROBE = """
(() => {
    const titleDrawn = () => {
        const title = document.querySelector('#desktop [data-window=TitleScreen]:not([hidden])');
        if (!title || !title.querySelector('button.control')) return false;
        const pictures = [...title.querySelectorAll('canvas.picture')];
        return pictures.length > 0 && pictures.every(p => p.width > 0 && p.height > 0);
    };
    const watch = () => {
        if (titleDrawn())
            requestAnimationFrame(() => requestAnimationFrame(() => {
                window.quillmarTitleDrawn = performance.now();
            }));
        else
            requestAnimationFrame(watch);
    };
    requestAnimationFrame(watch);
})();
"""

# Clicks one arrow button and then the other, `count` times in all, each by element.click(),
# and times each click until the document's layout is brought up to date (reading offsetHeight
# lays the page out afresh). The page's view writes every change synchronously inside the
# click, so this is the whole work of a step save the paint itself. Each click must have moved
# the hero to the cell expected, or the figure is refused.
MOVE_TIMING = """
((first, second, firstAt, secondAt, count) => {
    const up = document.querySelector(first), down = document.querySelector(second);
    const times = [];
    let wrong = 0;
    for (let i = 0; i < count; ++i) {
        const goingUp = i % 2 === 0;
        const began = performance.now();
        (goingUp ? up : down).click();
        void document.body.offsetHeight;
        times.push(performance.now() - began);
        const game = Module.describe().game;
        if (game.Quadrant + ' ' + game.Position !== (goingUp ? firstAt : secondAt)) ++wrong;
    }
    return {times, wrong};
})
"""


def site_size(site):
    return sum(os.path.getsize(os.path.join(folder, name))
               for folder, _, names in os.walk(site) for name in names)


def title_drawn(page):
    page.call("Page.enable")
    page.call("Page.addScriptToEvaluateOnNewDocument", source=TITLE_PROBE)
    times = []
    for _ in range(LOADS):
        # A fresh load each time from the server, as a first visit; the browser's cache is off.
        page.call("Network.enable")
        page.call("Network.setCacheDisabled", cacheDisabled=True)
        page.call("Page.navigate", url=page.value("location.href"))
        if not page.wait_for("typeof window.quillmarTitleDrawn === 'number'", seconds=20):
            raise RuntimeError("the title was not drawn after navigation")
        times.append(page.value("window.quillmarTitleDrawn") / 1000)
    return times


def move_times(page, places, lower, upper):
    places.load("Farmin", *lower)
    result = page.value(f"{MOVE_TIMING}({control('MoveScreen', 'Command3')!r}, "
                        f"{control('MoveScreen', 'Command6')!r}, {' '.join(upper)!r}, "
                        f"{' '.join(lower)!r}, {MOVES})")
    if result["wrong"]:
        raise RuntimeError(f"{result['wrong']} of {MOVES} clicks did not move the hero")
    return result["times"]


def main():
    site = sys.argv[1]
    missed = 0

    def report(what, figure, target, met):
        nonlocal missed
        missed += not met
        print(f"{what}: {figure} (target {target}){'' if met else ': MISSED'}")

    size = site_size(site)
    report("the whole site", f"{size} bytes", f"at most {SITE_TARGET:.0f} bytes", size <= SITE_TARGET)
    with browser(site) as page:
        player = Player(page)
        try:
            loads = title_drawn(page)
            title = statistics.median(loads)
            report(f"the title drawn after navigation, median of {LOADS} loads "
                   f"({', '.join(f'{t:.3f}' for t in loads)})", f"{title:.3f} s",
                   f"at most {TITLE_TARGET_S} s", title <= TITLE_TARGET_S)
        except RuntimeError as problem:
            print(f"the title drawn after navigation: not measured: {problem}")
            missed += 1
        places = Places(player)
        for what, lower, upper in (
                ("a step within a screen (Farmin Q1 x3y4 <-> x2y4)", ("Q1", "x3y4"), ("Q1", "x2y4")),
                ("a screen crossing (Farmin Q4 x1y5 <-> Q2 x10y5)", ("Q4", "x1y5"), ("Q2", "x10y5"))):
            try:
                times = move_times(page, places, lower, upper)
                median = statistics.median(times)
                report(f"{what}, click to laid-out page, median of {MOVES}",
                       f"{median:.3f} ms (90th percentile {statistics.quantiles(times, n=10)[-1]:.3f} ms)",
                       f"under {MOVE_TARGET_MS} ms", median < MOVE_TARGET_MS)
            except RuntimeError as problem:
                print(f"{what}: not measured: {problem}")
                missed += 1
    print("all targets met" if not missed else f"{missed} target(s) missed or not measured")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
