// Speaks a sentence to a screen reader through live regions that are in the
// page from its first paint. Two take turns, the one not speaking emptied,
// so that the same sentence said twice is heard twice.
export class Speech {
  private next = 0;

  constructor(private readonly regions: readonly [HTMLElement, HTMLElement]) {}

  say(words: string): void {
    const speaking = this.regions[this.next];
    this.next = 1 - this.next;
    this.regions[this.next].textContent = "";
    speaking.textContent = words;
  }
}
