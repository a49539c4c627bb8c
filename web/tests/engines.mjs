// @ts-check
// The browser engines the page is tested in, and how each is started,
// headless: Debian's Chromium and Firefox ESR; Chromium 109, the last of
// Windows 7 and 8.1, carried by an npm package and driven by the Puppeteer
// of its time; and WebKitGTK, the engine of Safari and of every browser on
// an iPhone or iPad, driven over WebDriver on a private display. Nothing is
// downloaded: each engine is a Debian package or in the npm lock.
import puppeteer from "puppeteer-core";
import { chromiumFlags } from "./chromium-flags.mjs";
import { launchWebKit } from "./webdriver.mjs";

/** @typedef {"chromium" | "firefox" | "chromium109" | "webkit"} Engine */
/** @typedef {import("puppeteer-core").Browser} Browser */

/** @type {readonly Engine[]} */
export const ENGINES = ["chromium", "firefox", "chromium109", "webkit"];

const CHROMIUM_ARGS = chromiumFlags();

/**
 * Starts `engine`. The older Puppeteer and the WebDriver one give the part
 * of today's Puppeteer browser that the scenarios use, and are typed as it.
 * @param {Engine} engine
 * @param {string[]} [more] Debian's Chromium's flags beyond the ones every test needs
 * @returns {Promise<Browser>}
 */
export async function launch(engine, more = []) {
  switch (engine) {
    case "firefox":
      return puppeteer.launch({ browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true });
    case "chromium109": {
      // Unpacked from the package into the temporary folder on first use.
      const [{ default: chromium }, { default: puppeteer19 }] =
        await Promise.all([import("@sparticuz/chromium"), import("puppeteer-core-19")]);
      const executablePath = await chromium.executablePath();
      return /** @type {any} */ (await puppeteer19.launch({ executablePath, headless: true, args: CHROMIUM_ARGS }));
    }
    case "webkit":
      return /** @type {any} */ (await launchWebKit());
    default:
      return puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true, args: [...CHROMIUM_ARGS, ...more] });
  }
}
