// @ts-check
// The page's browser tests: every scenario in Chromium and in Firefox, one
// browser of each kind for them all.
import { describe } from "node:test";
import { inEachBrowser } from "./browsers.mjs";
import fallbacks from "./fallbacks.mjs";
import keyboard from "./keyboard.mjs";
import layout from "./layout.mjs";
import message from "./message.mjs";
import phone from "./phone.mjs";
import results from "./results.mjs";

inEachBrowser((browser, kind) => {
  describe("a whole example by keyboard at the layout's size", () => keyboard(browser));
  describe("the results window", () => results(browser));
  describe("the last-example message", () => message(browser));
  describe("a phone worked by touch", () => phone(browser));
  describe("the layout's rectangles", () => layout(browser));
  describe("where the trainer cannot run, and offline", () => fallbacks(browser, kind));
});
