// @ts-check
// Makes the page from what the engine and the layout tables say (the JSON
// that page-data prints), the WebAssembly module, the page's script, styles,
// fonts and pictures: one self-contained file, and a folder for a web server
// from which the trainer can be installed and run offline.
//
//   node tools/make-page.mjs --data PAGE_DATA.json --module trainer-module.wasm
//        --fonts DIR --icons DIR --root REPOSITORY --out build-web
import { build } from "esbuild";
import { createHash } from "node:crypto";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { parseArgs } from "node:util";
import { checkModuleInterface } from "./module-interface.mjs";
import { renderPage } from "./render-page.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const web = join(here, "..");
const { values: args } = parseArgs({
  options: {
    data: { type: "string" },
    module: { type: "string" },
    fonts: { type: "string" },
    icons: { type: "string" },
    root: { type: "string" },
    out: { type: "string" },
  },
});
const need = (/** @type {string | undefined} */ value, /** @type {string} */ name) => {
  if (!value) throw new Error(`make-page: --${name} is needed`);
  return value;
};
const root = need(args.root, "root");
const out = need(args.out, "out");

// The oldest browsers the page is made for, as the module is.
const oldest = JSON.parse(readFileSync(join(web, "browser-targets.json"), "utf8"));
const targets = ["chrome", "firefox", "safari"].map((name) => `${name}${oldest[name]}`);

/**
 * @param {string} entry
 * @param {Record<string, string>} define
 */
async function bundle(entry, define = {}) {
  const result = await build({
    entryPoints: [join(web, entry)],
    bundle: true,
    write: false,
    format: "iife",
    minify: true,
    target: targets,
    define,
    legalComments: "none",
    logLevel: "warning",
  });
  return result.outputFiles[0]?.text ?? "";
}

const base64 = (/** @type {string} */ path) => readFileSync(path).toString("base64");
const data = JSON.parse(readFileSync(need(args.data, "data"), "utf8"));
const fonts = need(args.fonts, "fonts");
const icons = need(args.icons, "icons");
const assets = {
  css: readFileSync(join(web, "page", "page.css"), "utf8"),
  picture: readFileSync(join(root, "assets", "form1-background.svg"), "utf8"),
  fonts: {
    regular: base64(join(fonts, "sans-regular.woff2")),
    bold: base64(join(fonts, "sans-bold.woff2")),
    serif: base64(join(fonts, "serif-italic.woff2")),
  },
  module: base64(need(args.module, "module")),
  /** @type {Record<string, string>} */
  icons: {
    "icon-main-48": base64(join(root, "ui", "resources", "icon-main-48.png")),
    "icon-results-32": base64(join(root, "ui", "resources", "icon-results-32.png")),
  },
};
await checkModuleInterface(web, Buffer.from(assets.module, "base64"));
const script = await bundle("src/main.ts");

mkdirSync(join(out, "site"), { recursive: true });
// The single file: opened from a disk, a shared folder or any server.
writeFileSync(join(out, "fraction-trainer.html"), renderPage(data, assets, script, { site: false }));

// The folder for a web server: the same page, with a manifest and a service
// worker that keeps it for use offline; a new page makes a new cache.
const index = renderPage(data, assets, script, { site: true });
const version = createHash("sha256").update(index).digest("hex").slice(0, 12);
writeFileSync(join(out, "site", "index.html"), index);
const files = ["./", "index.html", "manifest.webmanifest", "icon-192.png", "icon-512.png"];
writeFileSync(
  join(out, "site", "sw.js"),
  await bundle("src/sw.ts", {
    CACHE_NAME: JSON.stringify(`fraction-trainer-${version}`),
    CACHED_FILES: JSON.stringify(files),
  }),
);
for (const size of [192, 512])
  writeFileSync(join(out, "site", `icon-${size}.png`), readFileSync(join(icons, `icon-main-${size}.png`)));
const main = data.windows[0];
writeFileSync(
  join(out, "site", "manifest.webmanifest"),
  JSON.stringify(
    {
      name: main.caption,
      short_name: data.words.shortName,
      description: data.words.description,
      lang: "ru",
      start_url: "./",
      scope: "./",
      display: "standalone",
      background_color: "#c3ffff",
      theme_color: "#2c5d9a",
      icons: [192, 512].map((size) => ({ src: `icon-${size}.png`, sizes: `${size}x${size}`, type: "image/png" })),
    },
    null,
    2,
  ) + "\n",
);
