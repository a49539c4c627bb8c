// @ts-check
// What the page's browser tests share: one browser of an engine started for
// all the scenarios of its file; the single-file page opened
// from the disk with a watch on everything that must never happen (a request
// beyond the file, an uncaught error, an error on the console, anything kept
// in the browser); and what a pupil sees and hears, read in the layout's
// control names.
import assert from "node:assert/strict";
import { existsSync, readFileSync } from "node:fs";
import { after, before, describe } from "node:test";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launch } from "./engines.mjs";

export { launch };

/** @typedef {import("puppeteer-core").Browser} Browser */
/** @typedef {import("puppeteer-core").Page} Page */
/** @typedef {import("puppeteer-core").Viewport} Viewport */
/** @typedef {import("./engines.mjs").Engine} Engine */

const file = fileURLToPath(new URL("../../build-web/fraction-trainer.html", import.meta.url));
const PAGE = pathToFileURL(file).href;

// What the page was made from: the layout tables as page-data printed them.
/** @type {import("../tools/render-page.mjs").PageData} */
export const PAGE_DATA = JSON.parse(
  existsSync(file) ? readFileSync(new URL("../../build-web/obj/page-data.json", import.meta.url), "utf8") : "null",
) ?? { windows: [], steps: [], words: {} };
const main = PAGE_DATA.windows[0];

// Desktop size: the layout's client area, one CSS pixel to one layout pixel.
export const LAYOUT = { width: main?.width ?? 0, height: main?.height ?? 0 };

// The main window's controls in the order Tab visits them, the option
// group once, at its checked option.
export const TAB_STOPS = (main?.controls ?? [])
  .filter((c) => c.tab >= 0 && (c.kind !== "optionButton" || c.selected))
  .sort((a, b) => a.tab - b.tab)
  .map((c) => c.name);

// Long enough for a slow start of the module; what the page does on a key or
// a click it does at once.
const PATIENCE = 5000;

/**
 * Declares the file's tests for `engine`, in one browser started for them
 * all and closed after the last.
 * @param {Engine} engine
 * @param {(browser: () => Browser, engine: Engine) => void} declare
 */
export function inEngine(engine, declare) {
  const starting = existsSync(file) ? launch(engine) : Promise.reject(
    new Error(`${file} is missing: make it with "bash build.sh web"`));
  // A failed start is reported by the tests.
  starting.catch(() => {});
  after(() => starting.then((browser) => browser.close(), () => {}));
  describe(engine, () => {
    /** @type {Browser | undefined} */
    let browser;
    before(async () => {
      browser = await starting;
    });
    declare(() => {
      if (!browser) throw new Error(`${engine} did not start`);
      return browser;
    }, engine);
  });
}

/**
 * Opens the page at `viewport`, watched from its first request: the single
 * file, or the page at `url`, which may ask for what lies beside it there.
 * @param {Browser} browser @param {Viewport} viewport @param {string} [url]
 * @returns {Promise<{ page: Page, faults: string[] }>}
 */
export async function openPage(browser, viewport, url) {
  const page = await browser.newPage();
  /** @type {string[]} */
  const faults = [];
  const own = url ? new URL(url).origin : "";
  page.on("request", (request) => {
    const asked = request.url();
    if (!/^(file|data):/.test(asked) && !(own && asked.startsWith(own + "/")))
      faults.push(`request: ${asked}`);
  });
  page.on("pageerror", (error) => faults.push(`uncaught: ${error instanceof Error ? error.message : error}`));
  page.on("console", (message) => {
    if (message.type() === "error") faults.push(`console: ${message.text()}`);
  });
  await page.setViewport(viewport);
  await page.goto(url ?? PAGE, { waitUntil: "load" });
  return { page, faults };
}

/**
 * The end of every scenario: the page asked for nothing beyond its file,
 * raised no error, and kept nothing in the browser.
 * @param {{ page: Page, faults: string[] }} session
 */
export async function closePage({ page, faults }) {
  const kept = await page.evaluate(async () => ({
    cookie: document.cookie,
    localStorage: localStorage.length,
    sessionStorage: sessionStorage.length,
    indexedDB: (await indexedDB.databases()).map((database) => database.name),
  }));
  assert.deepEqual(faults, [], "the page reached beyond its file or failed");
  assert.deepEqual(kept, { cookie: "", localStorage: 0, sessionStorage: 0, indexedDB: [] },
    "the page kept something");
  await page.close();
}

/**
 * Waits until `read`, run in the page with `args`, gives `expected`, and
 * fails with what it gives if that does not come in time.
 * @template T
 * @param {Page} page
 * @param {(...args: any[]) => T} read
 * @param {T} expected
 * @param {unknown[]} [args]
 */
export async function see(page, read, expected, args = []) {
  const call = `(${read})(...${JSON.stringify(args)})`;
  const want = JSON.stringify(expected, inOrder);
  // Most of what the page does it has done by the time a key press returns.
  if (JSON.stringify(await page.evaluate(call), inOrder) === want) return;
  await page
    .waitForFunction(`JSON.stringify(${call}, ${inOrder}) === ${JSON.stringify(want)}`, { timeout: PATIENCE })
    .catch(() => {});
  assert.deepEqual(await page.evaluate(call), expected);
}

/** Objects' keys sorted, so that equal values print alike. @param {string} _key @param {unknown} value */
function inOrder(_key, value) {
  return value && typeof value === "object" && !Array.isArray(value)
    ? Object.fromEntries(Object.entries(value).sort(([a], [b]) => (a < b ? -1 : 1)))
    : value;
}

// Page functions: what the pupil sees and hears. Each runs in the page on its
// own, so none calls another.

/**
 * Where the focus is: a control's layout name, or else the focused
 * element's id.
 */
export const focus = () => {
  const active = document.activeElement;
  return active?.closest("[data-control]")?.getAttribute("data-control") ?? active?.id ?? "";
};

/**
 * What the pupil perceives of the main window: where the focus is, what the
 * live regions say and the captions of the controls `names`.
 * @param {string[]} names
 */
export const perceive = (names) => {
  const active = document.activeElement;
  return {
    focus: active?.closest("[data-control]")?.getAttribute("data-control") ?? active?.id ?? "",
    heard: [1, 2]
      .map((n) => document.getElementById(`speech-${n}`)?.textContent ?? "")
      .filter(Boolean)
      .join(" | "),
    captions: Object.fromEntries(
      names.map((name) => [name, document.querySelector(`#Form1 [data-control="${name}"]`)?.textContent ?? null]),
    ),
  };
};

/**
 * What the pair of live regions named `id` says now (one speaks, the other
 * is empty).
 * @param {string} id
 */
export const heard = (id) =>
  [1, 2].map((n) => document.getElementById(`${id}-${n}`)?.textContent ?? "").filter(Boolean).join(" | ");

/**
 * Waits until the live regions `id` say something that matches `pattern`,
 * and gives what they say.
 * @param {Page} page @param {string} id @param {RegExp} pattern
 */
export async function hear(page, id, pattern) {
  const said = `(${heard})(${JSON.stringify(id)})`;
  await page.waitForFunction(`${pattern}.test(${said})`, { timeout: PATIENCE }).catch(() => {});
  const words = await page.evaluate(heard, id);
  assert.match(words, pattern);
  return words;
}

/**
 * The example as the drawing prints it: the two fractions and the sign
 * between them, read off the texts left of "=" by where they stand.
 * @param {Page} page
 */
export async function readExample(page) {
  const texts = await page.$$eval("#Form1-drawing text", (elements) =>
    elements.map((t) => ({
      x: Number(t.getAttribute("x")),
      y: Number(t.getAttribute("y")),
      text: t.textContent ?? "",
    })),
  );
  const equals = texts.find((t) => t.text.trim() === "=");
  const sign = texts.find((t) => /^[+-]$/.test(t.text.trim()) && (!equals || t.x < equals.x));
  assert.ok(equals && sign, `no example in the drawing: ${JSON.stringify(texts)}`);
  /** @param {(x: number) => boolean} where */
  const fraction = (where) => {
    const numbers = texts.filter((t) => /^\s*\d+$/.test(t.text) && where(t.x)).sort((a, b) => a.y - b.y);
    assert.equal(numbers.length, 2, `a fraction is not two numbers: ${JSON.stringify(texts)}`);
    return { numerator: Number(numbers[0]?.text), denominator: Number(numbers[1]?.text) };
  };
  return {
    first: fraction((x) => x < sign.x),
    second: fraction((x) => x > sign.x && x < equals.x),
    adds: sign.text.trim() === "+",
  };
}

/** @param {number} a @param {number} b @returns {number} */
const gcd = (a, b) => (b === 0 ? a : gcd(b, a % b));

/**
 * The answers of steps 1..7 worked out as the pupil does, and whether the
 * result reduces (step 8).
 * @param {Awaited<ReturnType<typeof readExample>>} example
 */
export function solve({ first, second, adds }) {
  const common = (first.denominator * second.denominator) / gcd(first.denominator, second.denominator);
  const multiplier1 = common / first.denominator;
  const multiplier2 = common / second.denominator;
  const numerator1 = first.numerator * multiplier1;
  const numerator2 = second.numerator * multiplier2;
  const result = adds ? numerator1 + numerator2 : numerator1 - numerator2;
  return {
    answers: [common, multiplier1, multiplier2, numerator1, numerator2, result, common],
    reduces: gcd(result, common) > 1,
  };
}

/**
 * Presses «Начало» by `press` until the first example is heard: the module
 * may still be starting when the page has loaded, and a press before that
 * does nothing, as for a pupil who is too quick.
 * @param {Page} page @param {() => Promise<void>} press
 */
export async function begin(page, press) {
  /** @param {number} timeout */
  const started = (timeout) => page
    .waitForFunction(`(${heard})("speech").startsWith("Пример 1 из 21, ")`, { timeout })
    .then(() => true, () => false);
  for (let attempt = 1; ; attempt++) {
    await press();
    if (await started(1000)) return;
    // On a loaded machine an engine may take many seconds to compile the
    // module the first time, or to say what the press did.
    await page.waitForFunction(() => document.getElementById("Form1")?.dataset["trainer"] === "ready",
      { timeout: 60000 }).catch(() => {});
    if (await started(2000)) return;
    assert.ok(attempt < 5, "«Начало» shows no example");
  }
}
