// @ts-check
// The main window as the layout tables draw it: in a browser window of the
// layout's size every control stands at its rectangle in the tables (as
// page-data printed them), and in one twice as large everything is twice as
// large, the window filled.
import assert from "node:assert/strict";
import { test } from "node:test";
import { LAYOUT, PAGE_DATA, closePage, openPage } from "./browsers.mjs";

/** @typedef {{ name: string, container: string | null, rect: number[] }} Place */

// Where the window and its controls stand, measured against `places` at
// `scale`; a control inside another (an option in its frame) stands within
// it. Only what is off by more than a browser's rounding (Firefox keeps
// lengths in 1/60 pixel) is listed.
/** @param {number} scale @param {Place[]} places */
const misplaced = (scale, places) => {
  /** @type {string[]} */
  const off = [];
  const window = document.getElementById("Form1");
  if (!window) return ["no #Form1"];
  const named = (/** @type {string} */ name) => window.querySelector(`[data-control="${name}"]`);
  for (const { name, container, rect } of places) {
    const element = name === "Form1" ? window : named(name);
    const outer = container ? named(container) : name === "Form1" ? null : window;
    if (!element) {
      off.push(`${name} is missing`);
      continue;
    }
    const box = element.getBoundingClientRect();
    const at = outer?.getBoundingClientRect() ?? { left: 0, top: 0 };
    const got = [box.left - at.left, box.top - at.top, box.width, box.height];
    if (got.some((value, i) => Math.abs(value - (rect[i] ?? 0) * scale) > 0.05))
      off.push(`${name} at ${got.map((v) => v.toFixed(2))}, not ${rect.map((v) => v * scale)}`);
  }
  return off;
};

/** @type {Place[]} */
const places = [
  { name: "Form1", container: null, rect: [0, 0, LAYOUT.width, LAYOUT.height] },
  ...(PAGE_DATA.windows[0]?.controls ?? []).map((c) => ({
    name: c.name, container: c.container, rect: [c.left, c.top, c.width, c.height],
  })),
];

/** @param {() => import("puppeteer-core").Browser} browser */
export default function scenarios(browser) {
  for (const scale of [1, 2]) {
    const [width, height] = [LAYOUT.width * scale, LAYOUT.height * scale];
    test(`${width} x ${height}: the controls stand where the layout puts them, times ${scale}`, async () => {
      assert.ok(places.length > 40, `only ${places.length} controls in the page's data`);
      const session = await openPage(browser(), { width, height });
      assert.deepEqual(await session.page.evaluate(misplaced, scale, places), []);
      await closePage(session);
    });
  }
}
