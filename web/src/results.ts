// The results window: shown beside the main window without blocking it,
// made empty at each opening, its summary said once it is in front, closed
// by its close box or Esc, after which the pupil is back where they were.
import { isTab } from "./keys";
import type { ResultsPort } from "./ports";
import type { Speech } from "./speech";

export class ResultsWindow implements ResultsPort {
  private returnTo: HTMLElement | null = null;
  private pending = "";

  constructor(
    private readonly window: HTMLElement,
    mainWindow: HTMLElement,
    private readonly speech: Speech,
    private readonly closeBox: HTMLElement,
  ) {
    window.addEventListener("focusin", () => this.sayPending());
    // Tab and Shift+Tab go round the window's close box and its counts, as
    // in a window of its own: they never leave it for the page behind.
    window.addEventListener("keydown", (event) => {
      if (!isTab(event) || event.ctrlKey || event.altKey || event.metaKey) return;
      const stops = [...window.querySelectorAll<HTMLElement>("button, [tabindex='0']")];
      const at = stops.indexOf(document.activeElement as HTMLElement);
      if (event.shiftKey ? at > 0 : at < stops.length - 1) return;
      event.preventDefault();
      (event.shiftKey ? stops[stops.length - 1] : stops[0])?.focus();
    });
    // The pupil may go on working in the main window while this one is open.
    mainWindow.addEventListener("focusin", (event) => {
      if (event.target instanceof HTMLElement) this.returnTo = event.target;
    });
  }

  get isOpen(): boolean {
    return !this.window.hidden;
  }

  open(): void {
    if (!this.isOpen) {
      for (const value of this.window.querySelectorAll<HTMLElement>("[data-value]")) value.textContent = "";
      this.window.hidden = false;
    }
  }

  setValue(control: string, text: string): void {
    const value = this.window.querySelector(`[data-control="${control}"]`);
    if (this.isOpen && value) value.textContent = text;
  }

  announce(words: string): void {
    if (!this.isOpen) return;
    this.pending = words;
    if (this.window.contains(document.activeElement)) this.sayPending();
  }

  close(): void {
    this.window.hidden = true;
    this.pending = "";
  }

  // Brings the window to the front: the focus goes to its close box, so that
  // a screen reader names the window and then says the summary, once.
  focus(): void {
    if (!this.isOpen) return;
    if (this.window.contains(document.activeElement)) this.sayPending();
    else this.closeBox.focus();
  }

  // Back to the control of the main window that had the focus last.
  returnFocus(fallback: () => void): void {
    if (this.returnTo?.isConnected && !this.returnTo.closest("[hidden]")) this.returnTo.focus();
    else fallback();
  }

  private sayPending(): void {
    const words = this.pending;
    this.pending = "";
    // After the screen reader has named the window the focus went to.
    if (words) setTimeout(() => this.speech.say(words), 0);
  }
}
