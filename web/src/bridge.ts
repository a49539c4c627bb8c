// The page's one door to the trainer: starts the module with the page's
// ports and passes clicks and keys on by the layout's names. What comes back
// says what the page does next.
import createTrainerModule from "trainer-module";
import type { PagePort } from "./ports";

// The module's bytes, in base64, in a comment of the page put there when it
// was made: a comment costs the browser nothing to read past, so the page
// shows itself as early as if it had no module at all.
const MODULE_MARK = "trainer-module ";

function moduleBytes(): Uint8Array {
  for (const node of Array.from(document.body.childNodes)) {
    const text = node.nodeType === Node.COMMENT_NODE ? (node.nodeValue ?? "") : "";
    if (text.startsWith(MODULE_MARK))
      return Uint8Array.from(atob(text.slice(MODULE_MARK.length)), (c) => c.charCodeAt(0));
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

function parse(reply: string): Reply {
  if (reply === "") return { kind: "none" };
  if (reply === "unhandled") return { kind: "unhandled" };
  if (reply === "exit") return { kind: "exit" };
  if (reply === "focus:results") return { kind: "results" };
  if (reply === "focus:main") return { kind: "main" };
  return { kind: "focus", control: reply.slice("focus:".length) };
}

export interface Trainer {
  click(button: string): Reply;
  key(window: string, key: string, focused: string): Reply;
  closeResults(): Reply;
  // Ends the pupil's work: the trainer and everything it held are gone.
  end(): void;
}

export async function startTrainer(page: PagePort, onFault: (reason: unknown) => void): Promise<Trainer> {
  const module = await createTrainerModule({
    page,
    wasmBinary: moduleBytes(),
    print: () => {},
    printErr: () => {},
    onAbort: onFault,
  });
  const click = module.cwrap("trainer_click", "string", ["number", "string"]);
  const key = module.cwrap("trainer_key", "string", ["number", "string", "string", "string"]);
  const closeResults = module.cwrap("trainer_closeResults", "string", ["number"]);
  let session = module._trainer_new();
  const ended: Reply = { kind: "none" };
  return {
    click: (button) => (session ? parse(click(session, button)) : ended),
    key: (window, name, focused) =>
      session ? parse(key(session, window, name, focused)) : { kind: "unhandled" },
    closeResults: () => (session ? parse(closeResults(session)) : ended),
    end: () => {
      module._trainer_delete(session);
      session = 0;
    },
  };
}
