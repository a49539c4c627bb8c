// The page's one door to the trainer: starts the module with the page's
// ports and passes clicks and keys on by the layout's names. What comes back
// says what the page does next.
import type { PagePort } from "./ports";

// The module's bytes, in base64, in a comment of the page put there when it
// was made: a comment costs the browser nothing to read past, so the page
// shows itself as early as if it had no module at all.
const MODULE_MARK = "trainer-module ";

function moduleBytes(): Uint8Array<ArrayBuffer> {
  for (const node of Array.from(document.body.childNodes)) {
    const text = node.nodeType === Node.COMMENT_NODE ? (node.nodeValue ?? "") : "";
    if (text.startsWith(MODULE_MARK)) {
      // A plain loop: mapping the string's characters one by one through an
      // iterator makes a phone's browser busy for a tenth of a second.
      const binary = atob(text.slice(MODULE_MARK.length));
      const bytes = new Uint8Array(binary.length);
      for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
      return bytes;
    }
  }
  throw new Error("the page carries no module");
}

export type Reply =
  | { kind: "none" } // nothing: the focus stays where it is
  | { kind: "unhandled" } // the key is not the program's: the browser's own
  | { kind: "focus"; control: string } // to this control of the main window
  | { kind: "results" } // into the results window
  | { kind: "main" } // back to where it was in the main window
  | { kind: "exit" }; // "Выход": the work ends

// What the module's replies mean, by their numbers: frontend::Outcome's
// kinds in their order (bridge/Bridge.cpp checks there are six), and -1 for
// a key that is not the program's.
const KINDS = ["none", "focus", "results", "main", "voice", "exit"] as const;

function reply(kind: number, control: () => string): Reply {
  const name = kind < 0 ? "unhandled" : KINDS[kind];
  if (name === undefined) throw new Error(`the trainer replied ${kind}`);
  return name === "focus" ? { kind: name, control: control() } : { kind: name === "voice" ? "none" : name };
}

export interface Trainer {
  click(button: string): Reply;
  key(window: string, key: string, focused: string): Reply;
  closeResults(): Reply;
  // The voice's button, as F3.
  toggleVoice(): void;
  // A key, click or touch of the pupil's, before the page acts on it.
  pupilActed(): void;
  // The focus came to `control` of `window` ("" for none of its controls).
  focusCame(window: string, control: string): void;
  // Ends the pupil's work: the trainer and everything it held are gone.
  end(): void;
}

// What the module exports (bridge/Bridge.cpp, listed in
// bridge/module-interface.json), by its C names. Strings cross
// as addresses of NUL-terminated UTF-8 in the module's memory.
interface Exports {
  memory: WebAssembly.Memory;
  _initialize(): void;
  malloc(size: number): number;
  free(address: number): void;
  trainer_new(): number;
  trainer_delete(session: number): void;
  trainer_click(session: number, button: number): number;
  trainer_key(session: number, window: number, key: number, focused: number): number;
  trainer_closeResults(session: number): number;
  trainer_replyControl(session: number): number;
  trainer_toggleVoice(session: number): void;
  trainer_pupilActed(session: number): void;
  trainer_focusCame(session: number, window: number, control: number): void;
}

// The module's memory as text: strings read from it and written into it.
class Memory {
  private readonly decoder = new TextDecoder();
  private readonly encoder = new TextEncoder();
  exports!: Exports;

  private bytes(): Uint8Array {
    return new Uint8Array(this.exports.memory.buffer);
  }

  read(address: number): string {
    const bytes = this.bytes();
    const end = bytes.indexOf(0, address);
    return this.decoder.decode(bytes.subarray(address, end < 0 ? bytes.length : end));
  }

  // A copy made with the module's malloc: the one who asked frees it.
  copy(text: string): number {
    const utf8 = this.encoder.encode(text);
    const address = this.exports.malloc(utf8.length + 1);
    const bytes = this.bytes();
    bytes.set(utf8, address);
    bytes[address + utf8.length] = 0;
    return address;
  }

  // Runs `call` with `texts` copied into the module for the time of the call.
  with<T>(texts: string[], call: (...addresses: number[]) => T): T {
    const addresses = texts.map((text) => this.copy(text));
    try {
      return call(...addresses);
    } finally {
      for (const address of addresses) this.exports.free(address);
    }
  }
}

// The page's side of the module's imports, by the names Bridge.cpp gives them
// (bridge/module-interface.json lists them; the page is made only where they
// agree).
export function pageImports(page: PagePort, memory: Memory): WebAssembly.Imports {
  const text = (address: number): string => memory.read(address);
  const { drawing, results, voice } = page;
  return {
    page: {
      setCaption: (control: number, words: number) => page.setCaption(text(control), text(words)),
      caption: (control: number) => memory.copy(page.caption(text(control))),
      text: (control: number) => memory.copy(page.text(text(control))),
      setText: (control: number, words: number) => page.setText(text(control), text(words)),
      isChecked: (control: number) => (page.isChecked(text(control)) ? 1 : 0),
      move: (control: number, left: number, top: number, inView: number, heir: number) =>
        page.move(text(control), left, top, inView !== 0, text(heir)),
      focused: () => memory.copy(page.focused()),
      announce: (words: number) => page.announce(text(words)),
      showMessage: (title: number, words: number) => page.showMessage(text(title), text(words)),
      voiceSwitched: (words: number, on: number, noVoice: number) =>
        page.voiceSwitched(text(words), on !== 0, noVoice !== 0),
    },
    drawing: {
      point: (x: number, y: number) => drawing.point(x, y),
      print: (x: number, y: number, size: number, words: number) => drawing.print(x, y, size, text(words)),
      line: (x1: number, y1: number, x2: number, y2: number) => drawing.line(x1, y1, x2, y2),
      describe: (words: number) => drawing.describe(text(words)),
      clear: () => drawing.clear(),
    },
    results: {
      open: () => results.open(),
      setValue: (control: number, words: number) => results.setValue(text(control), text(words)),
      announce: (words: number) => results.announce(text(words)),
      close: () => results.close(),
    },
    speech: {
      hasRussianVoice: () => (voice.hasRussianVoice() ? 1 : 0),
      speak: (words: number, pace: number) => voice.speak(text(words), pace),
      stop: () => voice.stop(),
    },
    // What the C library asks of its system: the clock that seeds the
    // shuffle, word of a grown memory (read afresh at each use anyway) and
    // an end that the trainer never asks for.
    env: { emscripten_notify_memory_growth: () => {} },
    wasi_snapshot_preview1: {
      clock_time_get: (clock: number, _precision: bigint, time: number) => {
        const milliseconds = clock === 0 ? Date.now() : performance.now();
        new DataView(memory.exports.memory.buffer).setBigUint64(time, BigInt(Math.round(milliseconds * 1e6)), true);
        return 0;
      },
      proc_exit: (status: number) => {
        throw new Error(`the trainer ended with status ${status}`);
      },
    },
  };
}

export async function startTrainer(page: PagePort): Promise<Trainer> {
  const memory = new Memory();
  const bytes = moduleBytes();
  // Decoding and compiling are each a task of their own, so that neither
  // keeps a slow phone from answering a touch for long.
  await new Promise((done) => setTimeout(done, 0));
  const { instance } = await WebAssembly.instantiate(bytes, pageImports(page, memory));
  const module = instance.exports as unknown as Exports;
  memory.exports = module;
  module._initialize();
  let session = module.trainer_new();
  const replied = (kind: number): Reply => reply(kind, () => memory.read(module.trainer_replyControl(session)));
  const ended: Reply = { kind: "none" };
  return {
    click: (button) =>
      session ? memory.with([button], (name) => replied(module.trainer_click(session, name))) : ended,
    key: (window, name, focused) =>
      session
        ? memory.with([window, name, focused], (w, k, f) => replied(module.trainer_key(session, w, k, f)))
        : { kind: "unhandled" },
    closeResults: () => (session ? replied(module.trainer_closeResults(session)) : ended),
    toggleVoice: () => {
      if (session) module.trainer_toggleVoice(session);
    },
    pupilActed: () => {
      if (session) module.trainer_pupilActed(session);
    },
    focusCame: (window, control) => {
      if (session) memory.with([window, control], (w, c) => module.trainer_focusCame(session, w, c));
    },
    end: () => {
      module.trainer_delete(session);
      session = 0;
    },
  };
}
