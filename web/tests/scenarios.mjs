// @ts-check
// Every scenario of the page, declared for one engine; each engine's test
// file declares them for itself, so that the engines run side by side.
import { describe } from "node:test";
import { inEngine } from "./browsers.mjs";
import fallbacks from "./fallbacks.mjs";
import keyboard from "./keyboard.mjs";
import layout from "./layout.mjs";
import message from "./message.mjs";
import phone from "./phone.mjs";
import results from "./results.mjs";

/** @param {import("./engines.mjs").Engine} engine */
export function everyScenario(engine) {
  inEngine(engine, (browser, engine) => {
    describe("a whole example by keyboard at the layout's size", () => keyboard(browser));
    describe("the results window", () => results(browser));
    describe("the last-example message", () => message(browser));
    describe("a phone worked by touch", () => phone(browser));
    describe("the layout's rectangles", () => layout(browser));
    describe("where the trainer cannot run, and offline", () => fallbacks(browser, engine));
  });
}
