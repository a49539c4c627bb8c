// @ts-check
// The results window at the layout's size: opened by «Результат» beside the
// main window, which still works; its counts and its summary spoken; closed by
// Esc or its close box, after which the pupil is back where they were.
import assert from "node:assert/strict";
import { test } from "node:test";
import {
  LAYOUT, begin, closePage, focus, hear, openPage, readExample, see, solve,
} from "./browsers.mjs";

// The results window as the pupil finds it: open or not, whether it has the
// focus, and its counts by their layout names.
const results = () => {
  const window = document.getElementById("Form2");
  return {
    open: !window?.hidden,
    hasFocus: Boolean(window?.contains(document.activeElement)),
    values: Object.fromEntries(
      [...(window?.querySelectorAll("[data-value]") ?? [])].map((v) => [
        v.getAttribute("data-control"),
        v.textContent,
      ]),
    ),
  };
};

// Whether the results window is open, and the main window's control that has
// the focus.
const openAndFocus = () => [
  !document.getElementById("Form2")?.hidden,
  document.activeElement?.getAttribute("data-control"),
];

// Counts in the results window: examples solved, errors, errors by step.
/** @param {number} solved @param {number} errors @param {number[]} byStep steps 1..8 */
const counts = (solved, errors, byStep) => ({
  Label2: String(solved),
  Label4: String(errors),
  ...Object.fromEntries(byStep.map((n, i) => [`Label${14 + i}`, String(n)])),
});

// After example 1 with one wrong step.
const afterExample1 = counts(1, 1, [1, 0, 0, 0, 0, 0, 0, 0]);

/** @param {() => import("puppeteer-core").Browser} browser */
export default function scenarios(browser) {
  test("«Результат» shows the counts beside the working main window; Esc and the close box close it", async () => {
    const session = await openPage(browser(), LAYOUT);
    const { page } = session;
    await begin(page, () => page.keyboard.press("Escape"));

    // Example 1 worked through with step 1 wrong and step 8 right.
    const { answers, reduces } = solve(await readExample(page));
    for (const [i, answer] of answers.entries()) {
      await see(page, focus, `t${i + 1}`);
      await page.keyboard.type(String(i === 0 ? answer + 1 : answer));
      await page.keyboard.press("Enter");
    }
    await see(page, focus, "Command9");
    await page.click(`#Form1 [data-control="${reduces ? "Option1" : "Option2"}"]`);
    await page.click('#Form1 [data-control="Command9"]');
    await hear(page, "speech", /^Пример 2 из 21, /);

    await page.click('#Form1 [data-control="Command10"]');
    await see(page, results, { open: true, hasFocus: true, values: afterExample1 });
    await hear(page, "Form2-speech",
      /^Решено примеров 1\. Допущено ошибок 1\. Из них, наименьший общий знаменатель 1, .*, сократимость дроби 0\.$/);

    // The main window is not blocked: «Ещё пример», where the results window
    // leaves it in view, moves on while the results stay open.
    const point = await page.$eval('#Form1 [data-control="Command9"]', (button) => {
      const r = button.getBoundingClientRect();
      const xs = [r.left + 4, r.left + r.width / 2, r.right - 4];
      const x = xs.find((x) => button.contains(document.elementFromPoint(x, r.top + r.height / 2)));
      return x === undefined ? null : { x, y: r.top + r.height / 2 };
    });
    assert.ok(point, "the results window hides «Ещё пример»");
    await page.mouse.click(point.x, point.y);
    await hear(page, "speech", /^Пример 3 из 21, /);
    assert.deepEqual(await page.evaluate(results), { open: true, hasFocus: false, values: afterExample1 });

    // Back into the results window, Esc: the focus returns to «Ещё пример».
    await page.click("#Form2-title");
    await see(page, results, { open: true, hasFocus: true, values: afterExample1 });
    await page.keyboard.press("Escape");
    await see(page, openAndFocus, [false, "Command9"]);

    // Opened again from the keyboard, it counts afresh and says so again; its
    // close box closes it and the focus is on «Результат», where it was.
    await page.keyboard.press("Tab");
    await see(page, focus, "Command10");
    await page.keyboard.press("Enter");
    await see(page, () => [!document.getElementById("Form2")?.hidden,
      document.querySelector('#Form2 [data-control="Label2"]')?.textContent], [true, "2"]);
    await hear(page, "Form2-speech", /^Решено примеров 2\. /);
    // Tab and Shift+Tab go round its close box and its counts, never out.
    const round = [];
    for (const shift of [false, false, true, true]) {
      if (shift) await page.keyboard.down("Shift");
      await page.keyboard.press("Tab");
      if (shift) await page.keyboard.up("Shift");
      round.push(await page.evaluate(focus));
    }
    assert.deepEqual(round, ["Form2-client", "Form2-close", "Form2-client", "Form2-close"]);
    await page.click("#Form2-close");
    await see(page, openAndFocus, [false, "Command10"]);
    await closePage(session);
  });
}
