// What the trainer's WebAssembly module asks of the page: the engine's four
// ports as the bridge (bridge/Bridge.cpp) forwards them, in the layout's
// control names, UTF-8 words made JavaScript strings, and pixels.

// The drawing surface over the window picture (DrawingSurface).
export interface DrawingPort {
  // A dot of the drawing colour at (x, y).
  point(x: number, y: number): void;
  // `text` with the top-left corner of its line at (x, y), `size` pixels high.
  print(x: number, y: number, size: number, text: string): void;
  line(x1: number, y1: number, x2: number, y2: number): void;
  // What the drawing shows, in words, for a pupil who cannot see it.
  describe(words: string): void;
  clear(): void;
}

// The results window (ResultsView): at most one open; made empty at each
// opening; values and words given while none is open are dropped; words are
// said once the window is in front.
export interface ResultsPort {
  open(): void;
  setValue(control: string, text: string): void;
  announce(words: string): void;
  close(): void;
}

// The browser's speech as the program's own voice uses it (SpeechOutput).
export interface SpeechPort {
  // Whether a Russian voice can speak now; asked at each press of F3.
  hasRussianVoice(): boolean;
  // Says `words` after what is still being said, at `pace` of the ordinary
  // rate; returns at once.
  speak(words: string, pace: number): void;
  // Falls silent and drops what waits.
  stop(): void;
}

// The main window's controls (MainControls).
export interface PagePort {
  setCaption(control: string, text: string): void;
  caption(control: string): string;
  text(control: string): string;
  setText(control: string, text: string): void;
  isChecked(control: string): boolean;
  // Moves `control` to (left, top); out of view it leaves the Tab chain and
  // hands the focus, if it had it, to `heir`.
  move(control: string, left: number, top: number, inView: boolean, heir: string): void;
  // The name of the main window's control that has the focus, or "".
  focused(): string;
  announce(words: string): void;
  // The modal message with its title, the information icon and OK.
  showMessage(title: string, text: string): void;
  // The voice was switched by F3 or its button: `words` go to a screen
  // reader, the button shows `on`, and with `noVoice` the page shows `words`.
  voiceSwitched(words: string, on: boolean, noVoice: boolean): void;
  drawing: DrawingPort;
  results: ResultsPort;
  voice: SpeechPort;
}
