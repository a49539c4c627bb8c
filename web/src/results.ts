// The results window: shown beside the main window without blocking it,
// made empty at each opening, its summary said once it is in front, closed
// by its close box or Esc, after which the pupil is back where they were.
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
