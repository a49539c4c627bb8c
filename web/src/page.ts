// The main window's controls as the trainer sees them: found by their names
// in the layout, shown and read as the trainer asks.
import type { Drawing } from "./drawing";
import type { MessageBox } from "./message";
import type { PagePort } from "./ports";
import type { ResultsWindow } from "./results";
import type { Speech } from "./speech";
import type { BrowserSpeech, VoiceSwitch } from "./voice";

export class Page implements PagePort {
  private readonly controls = new Map<string, HTMLElement>();

  constructor(
    private readonly window: HTMLElement,
    private readonly speech: Speech,
    readonly drawing: Drawing,
    readonly results: ResultsWindow,
    private readonly message: MessageBox,
    readonly voice: BrowserSpeech,
    private readonly voiceSwitch: VoiceSwitch,
  ) {
    for (const element of window.querySelectorAll<HTMLElement>("[data-control]"))
      this.controls.set(element.dataset["control"] ?? "", element);
  }

  setCaption(control: string, text: string): void {
    this.control(control).textContent = text;
  }

  caption(control: string): string {
    return this.control(control).textContent ?? "";
  }

  text(control: string): string {
    return this.input(control).value;
  }

  setText(control: string, text: string): void {
    this.input(control).value = text;
  }

  isChecked(control: string): boolean {
    return this.input(control).checked;
  }

  move(control: string, left: number, top: number, inView: boolean, heir: string): void {
    const element = this.control(control);
    element.style.setProperty("--l", String(left));
    element.style.setProperty("--t", String(top));
    if (inView) return;
    const hadFocus = element.contains(document.activeElement);
    element.hidden = true;
    if (hadFocus) this.focusControl(heir);
  }

  focused(): string {
    const active = document.activeElement;
    const control = active instanceof HTMLElement ? active.closest<HTMLElement>("[data-control]") : null;
    return control && this.window.contains(control) ? (control.dataset["control"] ?? "") : "";
  }

  announce(words: string): void {
    this.speech.say(words);
  }

  showMessage(title: string, text: string): void {
    this.message.show(title, text);
  }

  voiceSwitched(words: string, on: boolean, noVoice: boolean): void {
    this.speech.say(words);
    this.voiceSwitch.switched(on, noVoice, words);
  }

  focusControl(name: string): void {
    const element = this.control(name);
    (element.querySelector<HTMLElement>("input") ?? element).focus();
  }

  private control(name: string): HTMLElement {
    const element = this.controls.get(name);
    if (!element) throw new Error(`the page has no control ${name}`);
    return element;
  }

  // A box, or the option button inside an option's label.
  private input(name: string): HTMLInputElement {
    const element = this.control(name);
    const input = element instanceof HTMLInputElement ? element : element.querySelector("input");
    if (!input) throw new Error(`${name} holds no box`);
    return input;
  }
}
