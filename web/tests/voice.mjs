// @ts-check
// The program's own voice on the page, as a pupil hears it in Chromium: what
// the browser's speech asked the system to say, written down by the private
// speech service of tests/voice/with-voice-capture.sh into the file
// TRAINER_VOICE_CAPTURE, against what the live region says.
//   bash tests/voice/with-voice-capture.sh CAPTURE env TRAINER_VOICE_CAPTURE=CAPTURE \
//     node --test web/tests/voice.mjs
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { after, before, test } from "node:test";
import { LAYOUT, closePage, focus, heard, launch, openPage, see } from "./browsers.mjs";

const capture = process.env["TRAINER_VOICE_CAPTURE"] ?? "";

// What the service wrote down since the last call, its lines joined by one
// blank as the page's sentences are.
let seen = 0;
const lines = () =>
  readFileSync(capture, "utf8").split("\n").map((line) => line.trim()).filter(Boolean);
const sinceLast = () => {
  const all = lines();
  const text = all.slice(seen).join(" ");
  seen = all.length;
  return text;
};
/** Waits, within a bound, until what was said since the last call is `words`. @param {string} words */
async function heardAloud(words) {
  for (let waited = 0; waited < 10000 && lines().slice(seen).join(" ") !== words; waited += 100)
    await new Promise((done) => setTimeout(done, 100));
  return sinceLast();
}

/** @type {import("puppeteer-core").Browser | undefined} */
let browser;
before(async () => {
  // Chromium on Linux reaches speech-dispatcher only when asked to.
  if (capture) browser = await launch("chromium", ["--enable-speech-dispatcher"]);
});
after(() => browser?.close());

test("between two presses of F3 the page says aloud what its live region says", { skip: !capture }, async () => {
  const session = await openPage(/** @type {import("puppeteer-core").Browser} */ (browser), LAYOUT);
  const { page } = session;
  await page.waitForSelector("#Form1[data-trainer=ready]");
  const pressed = () => document.getElementById("voice")?.getAttribute("aria-pressed");
  await page.keyboard.press("F2"); // to the live region only
  await see(page, heard, "Пример ещё не показан. Чтобы начать, нажмите клавишу Escape.", ["speech"]);

  await page.keyboard.press("F3");
  assert.equal(await heardAloud("Голос программы включён."), "Голос программы включён.");
  await see(page, pressed, "true");
  await page.keyboard.press("Escape");
  const example = await page.evaluate(heard, "speech");
  assert.match(example, /^Пример 1 из 21, /);
  assert.equal(await heardAloud(example), example);

  // The verdict with the number read, then the box the focus moved to.
  await see(page, focus, "t1");
  await page.keyboard.type("12");
  await page.keyboard.press("Enter");
  await see(page, focus, "t2");
  const verdict = await page.evaluate(heard, "speech");
  assert.match(verdict, /^Шаг 1, ответ 12, (верно|ошибка)\.$/);
  const then = `${verdict} Шаг 2, дополнительный множитель к первой дроби, поле ответа.`;
  assert.equal(await heardAloud(then), then);

  await page.click("#voice"); // the button is the key's twin
  assert.equal(await heardAloud("Голос программы выключен."), "Голос программы выключен.");
  await see(page, pressed, "false");
  await page.keyboard.press("F2");
  await page.keyboard.press("Tab");
  await new Promise((done) => setTimeout(done, 1500));
  assert.equal(sinceLast(), "");
  await closePage(session);
});
