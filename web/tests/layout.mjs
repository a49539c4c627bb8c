// @ts-check
// The main window as the layout draws it: in a browser window of the
// layout's size every control stands at its rectangle (the --l, --t, --w and
// --h the page gives it, in the layout's pixels), and in one twice as large
// everything is twice as large, the window filled.
import assert from "node:assert/strict";
import { test } from "node:test";
import { closePage, openPage } from "./browsers.mjs";

// Where the window and its controls stand, measured against where the layout
// puts them at `scale`; a control inside another (an option in its frame)
// stands within it. Only what is off by more than a browser's rounding (Firefox
// keeps lengths in 1/60 pixel) is listed.
/** @param {number} scale */
const misplaced = (scale) => {
  /** @type {string[]} */
  const off = [];
  const window = document.getElementById("Form1");
  if (!window) return ["no #Form1"];
  /** @param {string} name @param {DOMRect} box @param {number[]} want @param {number[]} at */
  const check = (name, box, want, [x, y]) => {
    const got = [box.left - x, box.top - y, box.width, box.height];
    if (got.some((value, i) => Math.abs(value - (want[i] ?? 0) * scale) > 0.05))
      off.push(`${name} at ${got.map((v) => v.toFixed(2))}, not ${want.map((v) => v * scale)}`);
  };
  check("Form1", window.getBoundingClientRect(), [0, 0, 706, 487], [0, 0]);
  const controls = [...window.querySelectorAll("[data-control]")].filter(
    (c) => c instanceof HTMLElement && c.style.getPropertyValue("--l") !== "",
  );
  for (const c of /** @type {HTMLElement[]} */ (controls)) {
    const outer = c.parentElement?.closest("[data-control]") ?? window;
    const { left, top } = outer.getBoundingClientRect();
    const want = ["--l", "--t", "--w", "--h"].map((name) => Number(c.style.getPropertyValue(name)));
    check(c.dataset["control"] ?? "?", c.getBoundingClientRect(), want, [left, top]);
  }
  return controls.length > 40 ? off : [`only ${controls.length} controls`];
};

/** @param {() => import("puppeteer-core").Browser} browser */
export default function scenarios(browser) {
  for (const scale of [1, 2]) {
    const [width, height] = [706 * scale, 487 * scale];
    test(`${width} x ${height}: the controls stand where the layout puts them, times ${scale}`, async () => {
      const session = await openPage(browser(), { width, height });
      assert.deepEqual(await session.page.evaluate(misplaced, scale), []);
      await closePage(session);
    });
  }
}
