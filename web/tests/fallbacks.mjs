// @ts-check
// Where the page cannot run the trainer it says so, in the engine's words;
// and the page served from a web server keeps itself for use offline.
import assert from "node:assert/strict";
import { createServer } from "node:http";
import { readFileSync } from "node:fs";
import { extname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { test } from "node:test";
import { LAYOUT, begin, closePage, openPage } from "./browsers.mjs";

const site = fileURLToPath(new URL("../../build-web/site/", import.meta.url));
const words = JSON.parse(
  readFileSync(fileURLToPath(new URL("../../build-web/obj/page-data.json", import.meta.url)), "utf8"),
).words;

const TYPES = /** @type {Record<string, string>} */ ({
  ".html": "text/html; charset=utf-8", ".js": "text/javascript",
  ".webmanifest": "application/manifest+json", ".png": "image/png",
});

/** The site folder on a port of its own; resolves to the server. */
function serveSite() {
  const server = createServer((request, response) => {
    const path = new URL(request.url ?? "/", "http://here").pathname.replace(/\/$/, "/index.html");
    try {
      const body = readFileSync(join(site, path.replace(/^\/+/, "")));
      response.writeHead(200, { "content-type": TYPES[extname(path)] ?? "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => server.listen(0, "127.0.0.1", () => done(server)));
}

/** @param {() => import("puppeteer-core").Browser} browser @param {string} kind */
export default function scenarios(browser, kind) {
  test("without JavaScript, and without WebAssembly, the page says what it needs", async () => {
    const shown = (/** @type {string} */ text) =>
      [...document.querySelectorAll("p")].some((p) => p.textContent === text && p.offsetParent !== null) &&
      document.getElementById("Form1")?.offsetParent === null;
    const noWasm = await openPage(browser(), LAYOUT);
    await noWasm.page.evaluateOnNewDocument("delete globalThis.WebAssembly");
    await noWasm.page.reload({ waitUntil: "load" });
    await noWasm.page.waitForFunction(shown, { timeout: 5000 }, words.needsWebAssembly);
    await closePage(noWasm);
    if (kind === "chromium") { // turning scripts off is Chromium's alone here
      const noScript = await browser().newPage();
      await noScript.setJavaScriptEnabled(false);
      await noScript.goto(`file://${join(site, "..", "fraction-trainer.html")}`);
      await noScript.setJavaScriptEnabled(true);
      assert.ok(await noScript.evaluate(shown, words.needsScript), "no word of what it needs");
      await noScript.close();
    }
  });

  test("whatever is typed is read as the desktop reads it, with no script error", async () => {
    const session = await openPage(browser(), LAYOUT);
    const { page } = session;
    await begin(page, () => page.keyboard.press("Escape"));
    const texts = [["12abc", "12"], ["\u{1F600}дробь\u0000", "0"], [" 1 e 2", "100"],
      ["&HFF", "255"], ["1".repeat(100000), "1.79769313486232E+308"]];
    for (const [k, [text, echo]] of texts.entries()) {
      await page.$eval(`[data-control="t${k + 1}"]`, (box, value) => {
        /** @type {HTMLInputElement} */ (box).value = String(value);
      }, text);
      await page.click(`[data-control="Command${k + 1}"]`);
      assert.equal(await page.$eval(`[data-control="Label${12 + k}"]`, (label) => label.textContent), echo);
    }
    await closePage(session);
  });

  test("from a web server the page keeps itself and starts again with the server gone", async () => {
    const server = /** @type {import("node:http").Server} */ (await serveSite());
    const address = server.address();
    assert.ok(address && typeof address === "object");
    const session = await openPage(browser(), LAYOUT, `http://127.0.0.1:${address.port}/`);
    // The worker takes the page over once it has kept the files.
    await session.page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    await session.page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });
    await new Promise((done) => server.close(() => done(null)));
    server.closeAllConnections();
    await session.page.reload({ waitUntil: "load" });
    await begin(session.page, () => session.page.keyboard.press("Escape"));
    await closePage(session);
  });
}
