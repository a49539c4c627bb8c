// @ts-check
// Figures of the page, printed, never judged: the single file's size and
// gzipped size; the time from opening it to the first paint and to the frame
// that shows the focus in the first box, against a bare page of the same
// shape (this page's markup, styles, fonts and picture without its script)
// in the same batch, as ratios; the time of one confirm, median of many; and
// the main thread's time while the page waits for the pupil.
//
//   node bench/bench.mjs [-n RUNS] [--bare PAGE.html] PAGE.html
//
// Each run opens the page in a fresh browser context of Debian's Chromium,
// headless, at 1024 x 768; the pages take turns run by run, so that both
// see the same machine, and the first round only warms up.
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { basename, join, resolve } from "node:path";
import { parseArgs } from "node:util";
import { gzipSync } from "node:zlib";
import puppeteer from "puppeteer-core";
import { chromiumFlags } from "../tests/chromium-flags.mjs";

const { values, positionals } = parseArgs({
  options: { n: { type: "string", default: "15" }, bare: { type: "string" } },
  allowPositionals: true,
});
const runs = Number(values.n);
const page = resolve(positionals[0] ?? "../build-web/fraction-trainer.html");
const scratch = mkdtempSync(join(tmpdir(), "page-bench-"));
let bare = values.bare ? resolve(values.bare) : join(scratch, "bare-page.html");
if (!values.bare)
  writeFileSync(bare, readFileSync(page, "utf8").replace(/<script\b[\s\S]*?<\/script>/g, ""));

/** @param {number[]} v */
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)] ?? NaN;
/** @param {number[]} v */
const spread = (v) => `${median(v).toFixed(1)} (${Math.min(...v).toFixed(1)}-${Math.max(...v).toFixed(1)})`;

const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: chromiumFlags(),
});

/** @param {string} file */
async function open(file) {
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  await tab.setViewport({ width: 1024, height: 768, deviceScaleFactor: 1 });
  await tab.evaluateOnNewDocument(() => {
    /** @type {any} */ (window).readyAt = null;
    const look = () => {
      if (document.activeElement?.matches("input[type=text],input:not([type])"))
        requestAnimationFrame(() => { /** @type {any} */ (window).readyAt = performance.now(); });
      else requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
  });
  await tab.goto("file://" + file, { waitUntil: "load" });
  await tab.waitForFunction(
    () => /** @type {any} */ (window).readyAt !== null &&
      performance.getEntriesByName("first-contentful-paint").length > 0,
    { timeout: 15000 },
  );
  const times = await tab.evaluate(() => ({
    paint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime ?? NaN,
    ready: /** @type {any} */ (window).readyAt,
  }));
  return { context, tab, times };
}

/** @type {Record<string, { paint: number[], ready: number[] }>} */
const got = { bare: { paint: [], ready: [] }, page: { paint: [], ready: [] } };
for (let round = 0; round <= runs; round++) {
  for (const [name, file] of /** @type {const} */ ([["bare", bare], ["page", page]])) {
    const { context, times } = await open(file);
    if (round > 0) {
      got[name]?.paint.push(times.paint);
      got[name]?.ready.push(times.ready);
    }
    await context.close();
  }
}

// One confirm: the click on a step's «Да» carried out (the box read, the
// step judged, echoed, counted, drawn and said), and to the next frame.
const { context, tab } = await open(page);
await tab.waitForFunction(() => document.getElementById("Form1")?.dataset["trainer"] === "ready");
await tab.keyboard.press("Escape");
const confirm = await tab.evaluate(async (count) => {
  const handled = [];
  const painted = [];
  for (let i = 0; i < count; i++) {
    const k = 1 + (i % 7);
    if (k === 1 && i > 0) /** @type {HTMLElement} */ (document.querySelector('[data-control="Command9"]')).click();
    const box = /** @type {HTMLInputElement} */ (document.querySelector(`[data-control="t${k}"]`));
    box.value = String(i);
    const button = /** @type {HTMLElement} */ (document.querySelector(`[data-control="Command${k}"]`));
    const start = performance.now();
    button.click();
    handled.push(performance.now() - start);
    await new Promise((done) => requestAnimationFrame(() => done(null)));
    painted.push(performance.now() - start);
  }
  return { handled, painted };
}, 140);
// Waiting for the pupil: the main thread's busy time over two idle seconds,
// against the bare page's (a text box with the focus blinks its caret).
/** @param {import("puppeteer-core").Page} on */
const idleTime = async (on) => {
  const busy = async () => (await on.metrics()).TaskDuration ?? NaN;
  const before = await busy();
  await new Promise((done) => setTimeout(done, 2000));
  return ((await busy()) - before) * 1000;
};
const idle = await idleTime(tab);
await context.close();
const bareOpen = await open(bare);
const bareIdle = await idleTime(bareOpen.tab);
await bareOpen.context.close();
await browser.close();
rmSync(scratch, { recursive: true, force: true });

const bytes = statSync(page).size;
const gzipped = gzipSync(readFileSync(page), { level: 9 }).length;
console.log(`${basename(page)}: ${(bytes / 1024).toFixed(1)} KiB, gzipped ${(gzipped / 1024).toFixed(1)} KiB`);
const ratio = (/** @type {"paint" | "ready"} */ what) =>
  (median(got.page?.[what] ?? []) / median(got.bare?.[what] ?? [])).toFixed(2);
console.log(`first contentful paint: bare ${spread(got.bare?.paint ?? [])} ms, page ${spread(got.page?.paint ?? [])} ms, ratio ${ratio("paint")}`);
console.log(`focus in t1 shown:      bare ${spread(got.bare?.ready ?? [])} ms, page ${spread(got.page?.ready ?? [])} ms, ratio ${ratio("ready")}`);
console.log(`one confirm: handled in ${spread(confirm.handled)} ms, to the next frame ${spread(confirm.painted)} ms (${confirm.handled.length} confirms)`);
console.log(`waiting for the pupil, the main thread's time in 2 s: bare ${bareIdle.toFixed(1)} ms, page ${idle.toFixed(1)} ms`);
console.log(`(${runs} runs each, medians with min-max; bare page: ${values.bare ? basename(bare) : "this page without its script"})`);
