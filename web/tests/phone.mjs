// @ts-check
// The page on a phone, worked by touch: taps start the work and answer steps,
// nothing is wider than the screen, and every button, box and option is at
// least 44 x 44 CSS pixels, a finger's size.
import assert from "node:assert/strict";
import { test } from "node:test";
import {
  begin, closePage, focus, hear, openPage, perceive, readExample, see, solve,
} from "./browsers.mjs";

/** @typedef {import("puppeteer-core").Page} Page */

const PHONE = { width: 360, height: 740, deviceScaleFactor: 3, hasTouch: true, isMobile: true };
const NARROW = { ...PHONE, width: 320, height: 640 };

/**
 * Scrolls `selector` into view and taps the middle of it.
 * @param {Page} page @param {string} selector
 */
async function tap(page, selector) {
  const element = await page.$(selector);
  assert.ok(element, `no ${selector}`);
  await element.evaluate((e) => e.scrollIntoView({ block: "center" }));
  const box = await element.boundingBox();
  assert.ok(box, `${selector} is not shown`);
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

/** @param {string} name */
const control = (name) => `#Form1 [data-control="${name}"]`;

// What a finger needs of the page as it is shown now: how far it is wider
// than the screen, the shown controls smaller than 44 x 44, and the keyboard
// the answer boxes ask for.
const fingerFit = () => {
  const root = document.documentElement;
  const small = [...document.querySelectorAll("button, input[type=text], label[data-control]")]
    .filter((element) => element.getClientRects().length > 0)
    .map((element) => ({ element, box: element.getBoundingClientRect() }))
    .filter(({ box }) => box.width < 44 - 0.01 || box.height < 44 - 0.01)
    .map(({ element, box }) => {
      const name = element.getAttribute("data-control") ?? element.id;
      return `${name} ${box.width.toFixed(1)} x ${box.height.toFixed(1)}`;
    });
  return {
    tooWide: Math.max(root.scrollWidth, document.body.scrollWidth) - root.clientWidth,
    small,
    keyboards: [...document.querySelectorAll("#Form1 input[type=text]")].map((b) => b.getAttribute("inputmode")),
  };
};
const fits = { tooWide: 0, small: [], keyboards: Array(7).fill("numeric") };

/**
 * Starts the work by a tap on «Начало» and answers steps 1 (right) and 2
 * (wrong) by tapping the box, typing and tapping its «Да».
 * @param {Page} page
 */
async function twoStepsByTouch(page) {
  await see(page, fingerFit, fits);
  await begin(page, () => tap(page, control("cmd1")));
  const [common = 0, multiplier = 0] = solve(await readExample(page)).answers;
  const steps = /** @type {const} */ ([[1, common, "верно"], [2, multiplier + 1, "ошибка"]]);
  for (const [step, typed, verdict] of steps) {
    await tap(page, control(`t${step}`));
    await see(page, focus, `t${step}`);
    await page.keyboard.type(String(typed));
    await tap(page, control(`Command${step}`));
    await hear(page, "speech", new RegExp(`^Шаг ${step}, ответ ${typed}, ${verdict}\\.`));
    const [echo, verdictLabel] = [`Label${11 + step}`, `Label${18 + step}`];
    assert.deepEqual((await page.evaluate(perceive, [echo, verdictLabel])).captions,
      { [echo]: String(typed), [verdictLabel]: `- ${verdict}` });
  }
  await see(page, fingerFit, fits);
}

/** @param {() => import("puppeteer-core").Browser} browser */
export default function scenarios(browser) {
  test("360 x 740: two steps, the results window and the last-example message, all by touch", async () => {
    const session = await openPage(browser(), PHONE);
    const { page } = session;
    await twoStepsByTouch(page);

    await tap(page, control("Command10"));
    await see(page, () => !document.getElementById("Form2")?.hidden, true);
    await see(page, fingerFit, fits);
    await tap(page, "#Form2-close");
    await see(page, () => !document.getElementById("Form2")?.hidden, false);

    for (let n = 2; n <= 21; n++) await tap(page, control("Command9"));
    await hear(page, "speech", /^Пример 21 из 21, /);
    await tap(page, control("Command9"));
    await see(page, () => !document.getElementById("message")?.hidden, true);
    await see(page, fingerFit, fits);
    await tap(page, "#message-ok");
    await see(page, () => !document.getElementById("message")?.hidden, false);
    await closePage(session);
  });

  test("320 x 640: two steps by touch", async () => {
    const session = await openPage(browser(), NARROW);
    await twoStepsByTouch(session.page);
    await closePage(session);
  });
}
