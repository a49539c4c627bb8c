// @ts-check
// A whole example worked by the keyboard alone at the layout's size, as a
// pupil who cannot see the screen works it: what the page says comes from its
// live region, the numbers from the drawing, the answers from the pupil.
import assert from "node:assert/strict";
import { test } from "node:test";
import {
  LAYOUT, TAB_STOPS, begin, closePage, focus, heard, openPage, perceive, readExample, see, solve,
} from "./browsers.mjs";

/** @param {() => import("puppeteer-core").Browser} browser */
export default function scenarios(browser) {
  test("Esc, seven answers typed with Enter (one wrong), F2, then «Ещё пример»", async () => {
    const session = await openPage(browser(), LAYOUT);
    const { page } = session;
    await see(page, focus, "t1");
    await begin(page, () => page.keyboard.press("Escape"));
    const example = await readExample(page);
    const announced = await page.evaluate(heard, "speech");
    assert.match(announced, /^Пример 1 из 21, .+\.$/);
    assert.match(announced, example.adds ? / плюс / : / минус /);

    const { answers, reduces } = solve(example);
    const wrongStep = 4;
    for (const [i, answer] of answers.entries()) {
      const step = i + 1;
      const typed = String(step === wrongStep ? answer + 1 : answer);
      const verdict = step === wrongStep ? "ошибка" : "верно";
      await see(page, focus, `t${step}`);
      await page.keyboard.type(typed);
      await page.keyboard.press("Enter");
      const [echo, verdictLabel] = [`Label${11 + step}`, `Label${18 + step}`];
      await see(page, perceive, {
        focus: step < 7 ? `t${step + 1}` : "Command9",
        heard: `Шаг ${step}, ответ ${typed}, ${verdict}.`,
        captions: { [echo]: typed, [verdictLabel]: `- ${verdict}`, Label11: step < wrongStep ? "0" : "1" },
      }, [[echo, verdictLabel, "Label11"]]);
    }

    await page.keyboard.press("F2");
    const words = await page.$eval("#Form1-surface-words", (element) => element.textContent ?? "");
    assert.ok(words.startsWith(announced) && words.length > announced.length, words);
    await see(page, heard, words, ["speech"]);

    // Step 8 by the keyboard: Tab twice from «Ещё пример» reaches the checked
    // option, an arrow key checks the other one, Shift+Tab twice goes back.
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    const option = reduces ? "Option1" : "Option2"; // «Да» : «Нет»
    if ((await page.evaluate(focus)) !== option)
      await page.keyboard.press(option === "Option2" ? "ArrowRight" : "ArrowLeft");
    await see(page, focus, option);
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    await see(page, focus, "Command9");

    await page.keyboard.press("Enter");
    const next = await page.evaluate(perceive, ["Label11", "Label12", "Label19"]);
    assert.match(next.heard, /^Пример 2 из 21, .+\.$/);
    // The answer to step 8 was right: the one error is still the only one.
    assert.deepEqual({ ...next, heard: "" }, {
      focus: "Command9", heard: "", captions: { Label11: "1", Label12: "", Label19: "" },
    });
    await closePage(session);
  });

  test("Tab, Shift+Tab and the reading order go the layout's way, the option group by its checked option", async () => {
    const session = await openPage(browser(), LAYOUT);
    const { page } = session;
    // The layout's Tab chain, whose order the table's own test checks.
    const order = TAB_STOPS;
    // The order the markup gives: what a screen reader reads, and Tab
    // follows where no control has a tab index of its own.
    assert.deepEqual(await page.evaluate(() => ({
      read: [...document.querySelectorAll("#Form1 input:not([type=radio]), #Form1 button, #Form1 input:checked")]
        .map((c) => c.closest("[data-control]")?.getAttribute("data-control")),
      ownTabIndex: [...document.querySelectorAll("[tabindex]")].filter((e) => Number(e.getAttribute("tabindex")) > 0)
        .map((e) => e.id),
    })), { read: order, ownTabIndex: [] });
    await see(page, focus, "t1");
    const walked = ["t1"];
    while (walked.length < order.length) {
      await page.keyboard.press("Tab");
      walked.push(await page.evaluate(focus));
    }
    assert.deepEqual(walked, order);
    await page.keyboard.down("Shift");
    while (walked.length < 2 * order.length - 1) {
      await page.keyboard.press("Tab");
      walked.push(await page.evaluate(focus));
    }
    await page.keyboard.up("Shift");
    assert.deepEqual(walked.slice(order.length - 1), [...order].reverse());
    await closePage(session);
  });
}
