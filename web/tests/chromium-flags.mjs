// @ts-check
// The flags every start of Chromium here is given, by the page's tests, its
// benchmarks and the screen-reader harness alike (chromium-flags.json, which
// the harness reads too): no first-run page, nothing fetched in the
// background, and no sandbox as root, where Chromium runs only without it.
import { readFileSync } from "node:fs";

/** @returns {string[]} */
export function chromiumFlags() {
  const flags = JSON.parse(readFileSync(new URL("./chromium-flags.json", import.meta.url), "utf8"));
  return [...flags.every, ...(process.getuid?.() === 0 ? flags.asRoot : [])];
}
