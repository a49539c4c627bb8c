// What the trainer's WebAssembly module (web/CMakeLists.txt, trainer-module)
// exports: the functions of bridge/Bridge.cpp and emscripten's cwrap. The
// page reaches the module through bridge.ts alone.
declare module "trainer-module" {
  import type { PagePort } from "./ports";

  type ArgumentType = "number" | "string";

  export interface TrainerModule {
    _trainer_new(): number;
    _trainer_delete(session: number): void;
    cwrap(name: "trainer_click", returns: "string", args: ["number", "string"]):
      (session: number, button: string) => string;
    cwrap(name: "trainer_key", returns: "string", args: ["number", "string", "string", "string"]):
      (session: number, window: string, key: string, focused: string) => string;
    cwrap(name: "trainer_closeResults", returns: "string", args: ["number"]):
      (session: number) => string;
    cwrap(name: string, returns: ArgumentType | null, args: ArgumentType[]): (...args: never[]) => unknown;
  }

  export interface ModuleSettings {
    page: PagePort;
    // The module itself, which the page carries: nothing is fetched.
    wasmBinary: Uint8Array;
    // Where the module's own messages go; the page keeps them from the pupil.
    print(text: string): void;
    printErr(text: string): void;
    onAbort(reason: unknown): void;
  }

  export default function createTrainerModule(settings: ModuleSettings): Promise<TrainerModule>;
}
