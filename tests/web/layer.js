// Put into the page by the browser tests: compares every control of every loaded window in the
// page with what the game says it holds, and lists each difference.
"use strict";

window.quillmarTest = (() => {
    const pixels = twips => Math.round(twips / 15);

    function captionShown(element, control) {
        if (control.kind === "textbox")
            return element.value === control.caption;
        if (control.kind === "button") // the step buttons draw their arrow before the caption
            return element.textContent.replace(/^[\u25B2\u25BC\u25C0\u25B6]/, "") === control.caption;
        if (control.kind === "label")
            return element.textContent === control.caption;
        return true;
    }

    // The place as laid out, before the page scales the game as a whole.
    function placeShown(element, control, scale) {
        const [left, top, width, height] = control.place.map(pixels);
        const style = element.style;
        const styled = [style.left, style.top, style.width, style.height];
        if (styled.join() !== [left, top, width, height].map(p => p + "px").join())
            return false;
        if (element.hidden || element.closest(".window").hidden || control.kind === "line")
            return true;
        const client = element.parentElement.getBoundingClientRect();
        const box = element.getBoundingClientRect();
        const near = (shown, wanted) => Math.abs(shown / scale - wanted) <= 1;
        // A one-line label may grow wider than its layout where today's fonts need it.
        const wideEnough = element.classList.contains("oneline")
            ? box.width / scale >= width - 1 : near(box.width, width);
        return near(box.left - client.left, left) && near(box.top - client.top, top) &&
               wideEnough && near(box.height, height);
    }

    function controlMismatches(element, control, scale) {
        const problems = [];
        if (!element)
            return ["missing"];
        if (!captionShown(element, control))
            problems.push(`caption ${JSON.stringify(element.textContent || element.value)}` +
                          ` for ${JSON.stringify(control.caption)}`);
        if (control.kind === "picture" &&
            (element.dataset.picture || "") !== control.picture)
            problems.push(`picture ${element.dataset.picture} for ${control.picture}`);
        if ((control.kind === "button" || control.kind === "textbox") &&
            element.disabled === control.enabled)
            problems.push(`enabled ${!element.disabled}`);
        if (element.hidden === control.visible)
            problems.push(`visible ${!element.hidden}`);
        if (!placeShown(element, control, scale))
            problems.push("placed elsewhere");
        return problems;
    }

    function mismatches() {
        const state = Module.describe();
        const problems = [];
        const scale = Number(getComputedStyle(document.documentElement)
                                 .getPropertyValue("--scale")) || 1;
        const boxes = [...document.querySelectorAll("#desktop > [data-window]")];
        const names = state.windows.map(w => w.name).sort().join();
        if (boxes.map(b => b.dataset.window).sort().join() !== names)
            problems.push(`the page has windows ${boxes.map(b => b.dataset.window)}`);
        for (const window of state.windows) {
            const box = document.querySelector(`#desktop > [data-window=${window.name}]`);
            if (!box)
                continue;
            if (box.hidden === window.shown)
                problems.push(`${window.name} shown ${!box.hidden}`);
            const elements = box.querySelector(".client").children;
            window.controls.forEach((control, at) => {
                for (const problem of controlMismatches(elements[at], control, scale))
                    problems.push(`${window.name}.${control.name || control.kind + at} ${problem}`);
            });
        }
        return problems;
    }

    // The buttons the player can press in the windows on show, and their close boxes.
    function choices() {
        const found = [];
        for (const window of Module.describe().windows) {
            if (!window.shown)
                continue;
            found.push([window.name, "close"]);
            for (const control of window.controls)
                if (control.kind === "button" && control.enabled && control.visible)
                    found.push([window.name, control.name]);
        }
        return found;
    }

    // What the random player needs after each action, in one look: the page's dialog on top,
    // and the game's windows, figures and buttons.
    function afterAction() {
        const state = Module.describe();
        const body = document.querySelector(".modal .body");
        return {
            message: body && body.tagName !== "LABEL" ? body.textContent : null,
            saving: !!(body && body.tagName === "LABEL"),
            ended: state.ended,
            loaded: state.windows.length,
            shown: state.windows.filter(w => w.shown).map(w => w.name),
            game: state.game,
            choices: state.ended ? [] : choices(),
        };
    }

    return { mismatches, afterAction };
})();
