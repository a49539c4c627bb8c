// @ts-check
// The last-example message: «Ещё пример» after the 21st example shows it,
// modal, over the page; OK, Enter and Esc each close it, and the focus is
// back on «Ещё пример».
import assert from "node:assert/strict";
import { test } from "node:test";
import { LAYOUT, begin, closePage, hear, heard, openPage, see } from "./browsers.mjs";

// The message as the pupil finds it.
const message = () => ({
  open: !document.getElementById("message")?.hidden,
  title: document.getElementById("message-title")?.textContent,
  text: document.getElementById("message-text")?.textContent,
  focus: document.activeElement?.getAttribute("data-control") ?? document.activeElement?.id,
});

const shown = {
  open: true,
  title: "Сложение и вычитание обыкновенных дробей",
  text: "Это последний пример. Посмотрите результат.",
  focus: "message-ok",
};

/** @param {() => import("puppeteer-core").Browser} browser */
export default function scenarios(browser) {
  test("after example 21, «Ещё пример» shows the modal message; OK, Enter and Esc close it", async () => {
    const session = await openPage(browser(), LAYOUT);
    const { page } = session;
    await begin(page, () => page.keyboard.press("Escape"));
    const next = '#Form1 [data-control="Command9"]';
    for (let n = 2; n <= 21; n++) await page.click(next);
    const last = await hear(page, "speech", /^Пример 21 из 21, /);

    await page.click(next);
    await see(page, message, shown);
    // Modal: Tab and Shift+Tab stay on OK; a click on «Результат» behind it
    // opens nothing.
    await page.keyboard.press("Tab");
    assert.deepEqual(await page.evaluate(message), shown);
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    assert.deepEqual(await page.evaluate(message), shown);
    await page.click('#Form1 [data-control="Command10"]');
    assert.deepEqual(await page.evaluate(message), shown);
    assert.equal(await page.$eval("#Form2", (results) => results.hasAttribute("hidden")), true);
    assert.equal(await page.evaluate(heard, "speech"), last);

    const closed = { ...shown, open: false, focus: "Command9" };
    await page.click("#message-ok");
    await see(page, message, closed);
    for (const key of /** @type {const} */ (["Enter", "Escape"])) {
      await page.keyboard.press("Enter"); // on «Ещё пример»
      await see(page, message, shown);
      await page.keyboard.press(key);
      await see(page, message, closed);
    }
    await closePage(session);
  });
}
