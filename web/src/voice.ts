// The program's own voice on the page: the browser's speech with a Russian
// voice, and the switch beside the main window that shows whether it is on.
// What is said, and when, the trainer decides (frontend/Voice.h).
import type { SpeechPort } from "./ports";

const RUSSIAN = /^ru([-_]|$)/i;

export class BrowserSpeech implements SpeechPort {
  private readonly synth: SpeechSynthesis | null =
    typeof speechSynthesis === "object" && typeof SpeechSynthesisUtterance === "function" ? speechSynthesis : null;
  private voice: SpeechSynthesisVoice | null = null;

  constructor() {
    // A browser may learn its voices only some time after the page asked.
    this.synth?.addEventListener?.("voiceschanged", () => this.findVoice());
    this.findVoice();
  }

  hasRussianVoice(): boolean {
    if (!this.voice) this.findVoice();
    return this.voice !== null;
  }

  speak(words: string, pace: number): void {
    if (!this.synth || !this.voice) return;
    const utterance = new SpeechSynthesisUtterance(words);
    utterance.voice = this.voice;
    utterance.lang = this.voice.lang;
    utterance.rate = pace;
    this.synth.speak(utterance);
  }

  stop(): void {
    this.synth?.cancel();
  }

  private findVoice(): void {
    const voices = this.synth?.getVoices() ?? [];
    this.voice = voices.find((v) => RUSSIAN.test(v.lang) && v.localService) ?? voices.find((v) => RUSSIAN.test(v.lang)) ?? null;
  }
}

// The switch: a button that shows its state, and a note under it that says
// where there is no Russian voice, until the pupil's next action.
export class VoiceSwitch {
  constructor(
    private readonly button: HTMLButtonElement,
    private readonly note: HTMLElement,
  ) {}

  switched(on: boolean, noVoice: boolean, words: string): void {
    this.button.setAttribute("aria-pressed", String(on));
    this.note.textContent = words;
    this.note.hidden = !noVoice;
  }

  pupilActed(): void {
    this.note.hidden = true;
  }
}
