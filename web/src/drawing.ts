// The drawing surface: the example and its worked solution as SVG over the
// window picture, in the window's pixels, so that it is sharp at every zoom
// and pixel ratio. It draws what it is told and says what it is told to say.
import type { DrawingPort } from "./ports";

const SVG = "http://www.w3.org/2000/svg";

// Liberation Sans, which stands for the drawing font, rises this far above
// its baseline: a print's given point is the top of its line, as on the
// desktop.
const ASCENT = 1854 / 2048;

export class Drawing implements DrawingPort {
  constructor(
    private readonly layer: SVGGElement,
    private readonly words: HTMLElement,
  ) {}

  point(x: number, y: number): void {
    this.add("rect", { x, y, width: 1, height: 1 });
  }

  print(x: number, y: number, size: number, text: string): void {
    const element = this.add("text", { x, y: y + Math.ceil(size * ASCENT), "font-size": size });
    element.textContent = text;
  }

  line(x1: number, y1: number, x2: number, y2: number): void {
    // Through the middle of the pixels, as a one-pixel pen draws it.
    this.add("line", { x1: x1 + 0.5, y1: y1 + 0.5, x2: x2 + 0.5, y2: y2 + 0.5 });
  }

  describe(words: string): void {
    this.words.textContent = words;
  }

  clear(): void {
    this.layer.replaceChildren();
  }

  private add(name: string, attributes: Record<string, number>): SVGElement {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    this.layer.append(element);
    return element;
  }
}
