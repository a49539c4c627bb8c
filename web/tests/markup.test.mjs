// @ts-check
// The page's markup, as the single file and as the site's page, is valid
// HTML by the Nu Html Checker.
import assert from "node:assert/strict";
import { test } from "node:test";
import { fileURLToPath } from "node:url";
import { checkMarkup } from "../tools/html-checker.mjs";

const built = (/** @type {string} */ path) => fileURLToPath(new URL(`../../build-web/${path}`, import.meta.url));

test("the Nu Html Checker finds nothing in the single file or the site's page", async () => {
  assert.deepEqual(await checkMarkup([built("fraction-trainer.html"), built("site/index.html")]), []);
});
