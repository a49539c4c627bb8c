// The last-example message: modal, with its title, the information icon,
// its text and OK. While it is open nothing else of the page can be reached;
// OK, Enter, Space or Esc close it and the focus goes back where it was.
import { isTab } from "./keys";

export class MessageBox {
  private returnTo: Element | null = null;

  constructor(
    private readonly box: HTMLElement,
    private readonly title: HTMLElement,
    private readonly text: HTMLElement,
    private readonly ok: HTMLButtonElement,
    private readonly behind: readonly HTMLElement[],
  ) {
    ok.addEventListener("click", () => this.close());
    // A click on the message or on the page it covers leaves the focus on OK,
    // so that Enter and Esc still close it and no key reaches the page.
    box.addEventListener("mousedown", (event) => {
      if (event.target !== ok) event.preventDefault();
    });
    box.addEventListener("keydown", (event) => {
      if (event.key === "Escape" || event.key === "Esc" || event.key === "Enter") {
        event.preventDefault();
        this.close();
      } else if (isTab(event)) {
        event.preventDefault(); // OK is its only control
      }
      event.stopPropagation();
    });
  }

  show(title: string, text: string): void {
    this.title.textContent = title;
    this.text.textContent = text;
    if (this.box.hidden) this.returnTo = document.activeElement;
    for (const element of this.behind) {
      element.inert = true;
      element.setAttribute("aria-hidden", "true");
    }
    this.box.hidden = false;
    this.ok.focus();
  }

  close(): void {
    if (this.box.hidden) return;
    this.box.hidden = true;
    for (const element of this.behind) {
      element.inert = false;
      element.removeAttribute("aria-hidden");
    }
    if (this.returnTo instanceof HTMLElement) this.returnTo.focus();
  }
}
