// The page's start: finds the windows the page was drawn with, starts the
// trainer with them, and passes the pupil's clicks and keys on to it. The
// controls are on screen and the first box has the focus before this runs.
import { startTrainer, type Reply, type Trainer } from "./bridge";
import { Drawing } from "./drawing";
import { MessageBox } from "./message";
import { Page } from "./page";
import { ResultsWindow } from "./results";
import { Speech } from "./speech";
import { BrowserSpeech, VoiceSwitch } from "./voice";

function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`the page has no #${id}`);
  return element as T;
}

function svgById(id: string): SVGGElement {
  const element = document.getElementById(id);
  if (!(element instanceof SVGGElement)) throw new Error(`the page has no group #${id}`);
  return element;
}

// Where the browser cannot run the trainer, the page says what it needs.
function cannotRun(): void {
  byId("Form1").hidden = true;
  byId("Form2").hidden = true;
  byId("voice-bar").hidden = true;
  const needs = byId("needs");
  needs.hidden = false;
  needs.focus();
}

function run(trainer: Trainer, page: Page, results: ResultsWindow, voice: VoiceSwitch, windows: HTMLElement[]): void {
  const main = windows[0] as HTMLElement;
  const carryOut = (reply: Reply): void => {
    switch (reply.kind) {
      case "focus":
        page.focusControl(reply.control);
        break;
      case "results":
        results.focus();
        break;
      case "main":
        results.returnFocus(() => main.focus());
        break;
      case "exit":
        endWork(trainer, windows);
        break;
      case "none":
      case "unhandled":
        break;
    }
  };

  main.addEventListener("click", (event) => {
    const button = (event.target as Element).closest<HTMLElement>("button[data-control]");
    if (button) carryOut(trainer.click(button.dataset["control"] ?? ""));
  });
  byId("Form2-close").addEventListener("click", () => carryOut(trainer.closeResults()));
  byId("voice").addEventListener("click", () => trainer.toggleVoice());
  // Before the page acts on it: what the voice still says of an earlier
  // action is cut off by the next sentence, and the voice's note goes.
  const acted = (): void => {
    voice.pupilActed();
    trainer.pupilActed();
  };
  for (const kind of ["keydown", "pointerdown"]) document.addEventListener(kind, acted, { capture: true });
  // Where the focus comes to, for the voice: a control of a window by its
  // layout name, or the window itself; first where it is as the trainer
  // starts (the page gave the first box the focus before).
  const focusCame = (target: EventTarget | null): void => {
    const element = target instanceof Element ? target : null;
    const window = element?.closest<HTMLElement>("#Form1, #Form2");
    if (!window) return;
    const control = element?.closest<HTMLElement>("[data-control]");
    trainer.focusCame(window.id, control && window.contains(control) ? (control.dataset["control"] ?? "") : "");
  };
  focusCame(document.activeElement);
  document.addEventListener("focusin", (event) => focusCame(event.target));
  document.addEventListener("keydown", (event) => {
    if (event.defaultPrevented || event.isComposing || event.ctrlKey || event.altKey || event.metaKey)
      return;
    // A key pressed where no control has the focus counts for the main
    // window, as it does on the desktop, where that window is active.
    const target = event.target as Element;
    const window =
      target === document.body || target.closest?.("#voice") ? main : target.closest?.("#Form1, #Form2");
    if (!window) return;
    const focused = window === main ? page.focused() : "";
    const reply = trainer.key(window.id, event.key, focused);
    if (reply.kind === "unhandled") return;
    event.preventDefault();
    carryOut(reply);
  });
}

// "Выход": the trainer and all it held are gone; the page says so and offers
// to begin again.
function endWork(trainer: Trainer, windows: HTMLElement[]): void {
  trainer.end();
  for (const window of windows) window.hidden = true;
  byId("voice-bar").hidden = true;
  const ended = byId("ended");
  ended.hidden = false;
  byId("ended-words").focus();
  byId("begin-again").addEventListener("click", () => location.reload());
}

// After `count` frames have been drawn, and the tasks they left.
function frames(count: number): Promise<void> {
  return new Promise((done) =>
    count > 0 ? requestAnimationFrame(() => frames(count - 1).then(done)) : setTimeout(done, 0),
  );
}

// The trainer starts once the page has shown itself with the focus in the
// first box, so that the pupil sees the window as early as a page without a
// script would show it; the module is made ready in the next moment.
function afterFirstFrame(): Promise<void> {
  // The page's text waits for its fonts; the module is not to hold them up.
  // Where a browser never calls its fonts ready (Firefox ESR here, with every
  // face loaded), the load and a few frames after it do.
  const loaded = new Promise<void>((done) =>
    document.readyState === "complete" ? done() : addEventListener("load", () => done(), { once: true }),
  );
  const fonts = document.fonts ? document.fonts.ready.then(() => undefined) : loaded;
  return Promise.race([fonts, loaded.then(() => frames(6))]).then(() => frames(2));
}

async function start(): Promise<void> {
  await afterFirstFrame();
  if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
    cannotRun();
    return;
  }
  const main = byId("Form1");
  const resultsWindow = byId("Form2");
  const message = new MessageBox(
    byId("message"),
    byId("message-title"),
    byId("message-text"),
    byId<HTMLButtonElement>("message-ok"),
    [main, resultsWindow, byId("voice-bar")],
  );
  const results = new ResultsWindow(
    resultsWindow,
    main,
    new Speech([byId("Form2-speech-1"), byId("Form2-speech-2")]),
    byId("Form2-close"),
  );
  const voice = new VoiceSwitch(byId<HTMLButtonElement>("voice"), byId("voice-note"));
  const page = new Page(
    main,
    new Speech([byId("speech-1"), byId("speech-2")]),
    new Drawing(svgById("Form1-drawing"), byId("Form1-surface-words")),
    results,
    message,
    new BrowserSpeech(),
    voice,
  );
  let trainer: Trainer;
  try {
    await frames(0); // the module's start is a task of its own, after these
    trainer = await startTrainer(page);
  } catch {
    cannotRun();
    return;
  }
  run(trainer, page, results, voice, [main, resultsWindow]);
  main.dataset["trainer"] = "ready";
}

void start();
