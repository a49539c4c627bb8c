// @ts-check
// Makes the README's picture of the page on a phone with the page itself:
// the first example with five steps worked, one of them wrong.
//
//   node tools/screenshots.mjs OUTPUT_FOLDER
import { join } from "node:path";
import { begin, launch, readExample, solve } from "../tests/browsers.mjs";

const folder = process.argv[2];
if (!folder) throw new Error("usage: node tools/screenshots.mjs OUTPUT_FOLDER");
const browser = await launch("chromium");
const page = await browser.newPage();
await page.setViewport({ width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
await page.goto(new URL("../../build-web/fraction-trainer.html", import.meta.url).href, { waitUntil: "load" });
await begin(page, () => page.keyboard.press("Escape"));
const { answers } = solve(await readExample(page));
for (let k = 1; k <= 5; k++) {
  await page.type(`[data-control="t${k}"]`, String((answers[k - 1] ?? 0) + (k === 3 ? 1 : 0)));
  await page.keyboard.press("Enter");
}
await page.evaluate(() => window.scrollTo(0, 0));
await page.screenshot({ path: join(folder, "page-phone.png") });
console.log(`wrote ${join(folder, "page-phone.png")}`);
await browser.close();
