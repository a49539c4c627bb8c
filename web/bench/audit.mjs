// @ts-check
// Outside audits of the page, printed, never judged: Lighthouse's scores
// (performance, accessibility, best practices, SEO) for the single file and
// for the site's page, on its mobile preset (a slow phone on a slow network)
// and its desktop one, each audit that keeps a score under 100, and what the
// Nu Html Checker says of the markup.
//
//   node bench/audit.mjs [-n RUNS] [BUILD-WEB-DIR]
//
// Each page and preset is audited RUNS times (3 unless told); the run of
// the median performance score is printed, with the lowest and highest
// beside it: the mobile preset takes the main thread's times as measured
// here, four times over, so whatever else keeps the machine busy counts
// fourfold. The machine's load average is printed before and after.
//
// Both pages are served from a port of loopback, gzipped where the browser
// asks for it as a web server's usual setting does, to Debian's Chromium,
// headless.
// Lighthouse fetches robots.txt from inside the page, which the page's policy
// forbids, so its robots.txt audit fails; SEO is also given without it.
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import { loadavg } from "node:os";
import { extname, join, resolve } from "node:path";
import { parseArgs } from "node:util";
import { gzipSync } from "node:zlib";
import lighthouse, { desktopConfig } from "lighthouse";
import puppeteer from "puppeteer-core";
import { chromiumFlags } from "../tests/chromium-flags.mjs";
import { checkMarkup } from "../tools/html-checker.mjs";

const { values, positionals } = parseArgs({ options: { n: { type: "string", default: "3" } }, allowPositionals: true });
const runs = Math.max(1, Number(values.n));
const root = resolve(positionals[0] ?? new URL("../../build-web", import.meta.url).pathname);
const PAGES = { "single file": "/fraction-trainer.html", site: "/site/" };
const CATEGORIES = ["performance", "accessibility", "best-practices", "seo"];
const TYPES = /** @type {Record<string, string>} */ ({
  ".html": "text/html; charset=utf-8", ".js": "text/javascript",
  ".webmanifest": "application/manifest+json", ".png": "image/png",
});

const server = createServer((request, response) => {
  const path = new URL(request.url ?? "/", "http://here").pathname.replace(/\/$/, "/index.html");
  try {
    const body = readFileSync(join(root, path.replace(/^\/+/, "")));
    const type = TYPES[extname(path)] ?? "application/octet-stream";
    if (/\bgzip\b/.test(String(request.headers["accept-encoding"])) && !type.startsWith("image/")) {
      response.writeHead(200, { "content-type": type, "content-encoding": "gzip", vary: "accept-encoding" });
      response.end(gzipSync(body));
    } else {
      response.writeHead(200, { "content-type": type });
      response.end(body);
    }
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((done) => server.listen(0, "127.0.0.1", () => done(null)));
const address = server.address();
const origin = `http://127.0.0.1:${typeof address === "object" && address ? address.port : 0}`;

const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: [...chromiumFlags(), "--remote-debugging-port=0"],
});
const port = Number(new URL(browser.wsEndpoint()).port);

try {
  const load = () => loadavg().map((l) => l.toFixed(2)).join(" ");
  console.log(`Lighthouse in ${await browser.version()}; scores out of 100; load average ${load()}`);
  console.log(["page", "preset", ...CATEGORIES, "seo without robots.txt", `performance of ${runs}`].join("\t"));
  /** @type {string[]} */
  const faults = [];
  for (const [name, path] of Object.entries(PAGES)) {
    for (const [preset, config] of /** @type {const} */ ([["mobile", undefined], ["desktop", desktopConfig]])) {
      /** @type {import("lighthouse").Result[]} */
      const results = [];
      for (let n = 0; n < runs; n++) {
        const run = await lighthouse(origin + path, { port, onlyCategories: CATEGORIES, logLevel: "error" }, config);
        if (!run) throw new Error(`Lighthouse gave nothing for ${path}`);
        results.push(run.lhr);
      }
      const performance = (/** @type {import("lighthouse").Result} */ r) => r.categories["performance"]?.score ?? 0;
      results.sort((a, b) => performance(a) - performance(b));
      const median = /** @type {import("lighthouse").Result} */ (results[Math.floor(results.length / 2)]);
      const { categories, audits } = median;
      const score = (/** @type {number | null | undefined} */ s) => (s == null ? "-" : String(Math.round(s * 100)));
      // SEO weighed again with the robots.txt audit left out.
      const seo = categories["seo"]?.auditRefs.filter((ref) => ref.id !== "robots-txt" && ref.weight > 0) ?? [];
      const weight = seo.reduce((sum, ref) => sum + ref.weight, 0);
      const seoAside = seo.reduce((sum, ref) => sum + ref.weight * (audits[ref.id]?.score ?? 1), 0) / weight;
      const range = `${score(performance(results[0] ?? median))}-${score(performance(results[results.length - 1] ?? median))}`;
      console.log([name, preset, ...CATEGORIES.map((c) => score(categories[c]?.score)), score(seoAside), range].join("\t"));
      for (const category of CATEGORIES)
        for (const ref of categories[category]?.auditRefs ?? []) {
          const audit = audits[ref.id];
          if (ref.weight > 0 && audit && audit.score !== null && audit.score < 1)
            faults.push(`${name}, ${preset}, ${category}: ${ref.id} ${score(audit.score)}: ${audit.title}` +
              (audit.displayValue ? ` (${audit.displayValue})` : ""));
        }
    }
  }
  for (const fault of faults) console.log(`  below 100: ${fault}`);
  console.log(`load average ${load()}`);

  const markup = await checkMarkup([join(root, "fraction-trainer.html"), join(root, "site", "index.html")]);
  console.log(`Nu Html Checker: ${markup.length} message(s) beside autocorrect and 'wasm-unsafe-eval'`);
  for (const message of markup) console.log(`  ${message}`);
} finally {
  await browser.close();
  server.close();
}
