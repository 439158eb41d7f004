// Quillmar in the browser: what the page does besides the game's own code. It passes the
// player's clicks, keys and focus to the game by the names of the window and the control, draws
// the game's dialogs, hands saved games to the browser and back, and scales the game to fit.
// Copyright the Quillmar developers; GPL-3.0-or-later.
"use strict";

// The page's dialogs, the newest last; the game waits for each by its number.
const openDialogs = [];

function makeElement(tag, className, text) {
    const element = document.createElement(tag);
    if (className)
        element.className = className;
    if (text !== undefined)
        element.textContent = text;
    return element;
}

// A dialog titled "Quillmar" over everything, with a body and buttons. `close` runs once with
// the answer, true for OK.
function openDialog(body, buttons, close) {
    const modal = makeElement("div", "modal");
    const box = makeElement("div", "window");
    box.setAttribute("role", "dialog");
    box.setAttribute("aria-modal", "true");
    box.setAttribute("aria-label", "Quillmar");
    const bar = makeElement("div", "titlebar");
    bar.append(makeElement("span", "caption", "Quillmar"));
    const answers = makeElement("div", "answers");
    const dialog = { modal, finish: null };
    dialog.finish = ok => {
        openDialogs.splice(openDialogs.indexOf(dialog), 1);
        modal.remove();
        close(ok);
    };
    for (const [caption, ok] of buttons) {
        const button = makeElement("button", "", caption);
        button.type = "button";
        button.addEventListener("click", () => dialog.finish(ok));
        answers.append(button);
    }
    box.append(bar, body, answers);
    modal.append(box);
    document.body.append(modal);
    openDialogs.push(dialog);
    (body.querySelector("input") || answers.querySelector("button")).focus();
}

function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    const link = makeElement("a");
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// What the game's platform asks of the page.
window.quillmarPage = {
    showMessage(dialog, text) {
        openDialog(makeElement("div", "body", text), [["OK", true]],
                   () => Module.dialogAnswered(dialog, ""));
    },
    chooseFileToSave(dialog, suggested) {
        const body = makeElement("label", "body", "Save the game as:");
        const input = makeElement("input");
        input.value = suggested;
        input.setAttribute("aria-label", "File name");
        body.append(input);
        openDialog(body, [["OK", true], ["Cancel", false]],
                   ok => Module.dialogAnswered(dialog, ok ? input.value.trim() : ""));
    },
    chooseFileToOpen(dialog, ending) {
        const picker = makeElement("input");
        picker.type = "file";
        picker.accept = ending;
        picker.addEventListener("cancel", () => Module.dialogAnswered(dialog, ""));
        picker.addEventListener("change", async () => {
            const file = picker.files[0];
            if (!file) {
                Module.dialogAnswered(dialog, "");
                return;
            }
            const bytes = new Uint8Array(await file.arrayBuffer());
            Module.fileOpened(dialog, file.name, bytes);
        });
        picker.click();
    },
    download,
    endProgram() {
        const stage = document.getElementById("stage");
        stage.replaceChildren(makeElement("p", "ended", "The game has ended."));
    },
};

// The dialog on top takes Enter for OK and Escape for Cancel; the game hears no key meanwhile.
function dialogKey(event) {
    const dialog = openDialogs[openDialogs.length - 1];
    if (event.key === "Enter" || event.key === "Escape") {
        event.preventDefault();
        dialog.finish(event.key === "Enter");
    }
}

// A key the game took does nothing else in the page. A button is only ever pressed by the game:
// Space and Enter on one never click it behind the game's back.
let keyTaken = false;
document.addEventListener("keydown", event => {
    if (openDialogs.length > 0) {
        dialogKey(event);
        return;
    }
    const onButton = event.target instanceof HTMLButtonElement;
    const started = typeof Module !== "undefined" && Module.keyDown;
    const clicksButton = onButton && (event.key === " " || event.key === "Enter");
    keyTaken = (started && Module.keyDown(event)) || clicksButton;
    if (keyTaken)
        event.preventDefault();
});
document.addEventListener("keyup", event => {
    if (keyTaken && event.key === " ")
        event.preventDefault();
});

function controlOf(element) {
    const control = element.closest("[data-control]");
    const window = control && control.closest("#desktop [data-window]");
    return window ? [window.dataset.window, control.dataset.control, control] : null;
}

document.addEventListener("click", event => {
    const found = controlOf(event.target);
    if (!found)
        return;
    const [window, control, element] = found;
    if (element.classList.contains("close"))
        Module.closeWindow(window);
    else if (element instanceof HTMLButtonElement)
        Module.clickControl(window, control);
});

document.addEventListener("focusin", event => {
    const found = controlOf(event.target);
    if (found && !found[2].classList.contains("close"))
        Module.focusControl(found[0], found[1]);
});

// The game keeps its own size in CSS pixels and is scaled as a whole to fit the page; text and
// pictures are drawn afresh at that scale, so both stay crisp.
function fitToPage() {
    const desktop = document.getElementById("desktop");
    if (!desktop)
        return;
    const scale = Math.min(innerWidth / desktop.offsetWidth, innerHeight / desktop.offsetHeight);
    // The page's dialogs are drawn at the same scale as the windows.
    document.documentElement.style.setProperty("--scale", String(Math.max(scale, 0.25)));
}
addEventListener("resize", fitToPage);
fitToPage();
