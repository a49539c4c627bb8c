// @ts-check
// The one list of what crosses between the trainer's module and the page,
// bridge/module-interface.json, and the check made before the page is: the
// module as linked (which Bridge.cpp declares), the imports web/src/bridge.ts
// hands it and the exports bridge.ts calls must each name exactly what the
// list names, or the page is not made and the name is told.
import { build } from "esbuild";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import ts from "typescript";

const LIST = "bridge/module-interface.json";
// Besides the list, emscripten's standalone module exports its memory and
// the start of its C library, which the page uses, and a few pieces of its
// own, which the page leaves.
const MODULE_START = ["memory", "_initialize"];
const MODULE_OWN = [...MODULE_START, "__indirect_function_table", "__errno_location", "stackSave",
  "stackRestore", "stackAlloc"];

/**
 * @param {string} what @param {string} verb @param {Iterable<string>} have @param {string[]} listed
 * @returns {string[]}
 */
function differences(what, verb, have, listed) {
  const haves = new Set(have);
  return [
    ...[...haves].filter((n) => !listed.includes(n)).map((n) => `${what} ${verb} ${n}, which ${LIST} does not list`),
    ...listed.filter((n) => !haves.has(n)).map((n) => `${LIST} lists ${n}, which ${what} does not ${verb.replace(/s$/, "")}`),
  ];
}

/** @param {Record<string, Record<string, unknown> | string[]>} groups */
const qualified = (groups) =>
  Object.entries(groups).flatMap(([group, names]) =>
    (Array.isArray(names) ? names : Object.keys(names)).map((name) => `${group}.${name}`));

// The names of the members of `interface Exports` in bridge.ts.
/** @param {string} path */
function declaredExports(path) {
  const source = ts.createSourceFile(path, readFileSync(path, "utf8"), ts.ScriptTarget.Latest);
  const exports = source.statements.find(
    (s) => ts.isInterfaceDeclaration(s) && s.name.text === "Exports");
  if (!exports || !ts.isInterfaceDeclaration(exports)) return [];
  return exports.members.flatMap((m) => (m.name && ts.isIdentifier(m.name) ? [m.name.text] : []));
}

// The groups and names of the imports that bridge.ts builds for the module,
// built here with a page that answers anything.
/** @param {string} path */
async function builtImports(path) {
  const bundled = await build({ entryPoints: [path], bundle: true, write: false, format: "esm",
    platform: "neutral", logLevel: "warning" });
  const code = bundled.outputFiles[0]?.text ?? "";
  const bridge = await import(`data:text/javascript;base64,${Buffer.from(code).toString("base64")}`);
  /** @type {any} */
  const anything = new Proxy(() => {}, { get: () => anything });
  return bridge.pageImports(anything, anything);
}

/**
 * Throws, naming each difference, unless the module, bridge.ts and the list
 * agree. @param {string} web the web folder @param {Uint8Array<ArrayBuffer>} module
 */
export async function checkModuleInterface(web, module) {
  /** @type {{ imports: Record<string, string[]>, exports: string[] }} */
  const list = JSON.parse(readFileSync(join(web, LIST), "utf8"));
  const compiled = new WebAssembly.Module(module);
  const imports = qualified(list.imports);
  const exports = [...MODULE_OWN, ...list.exports];
  const bridge = join(web, "src", "bridge.ts");
  const faults = [
    ...differences("the module", "imports",
      WebAssembly.Module.imports(compiled).map((i) => `${i.module}.${i.name}`), imports),
    ...differences("the module", "exports", WebAssembly.Module.exports(compiled).map((e) => e.name), exports),
    ...differences("web/src/bridge.ts", "gives", qualified(await builtImports(bridge)), imports),
    ...differences("web/src/bridge.ts's Exports", "names", declaredExports(bridge),
      [...MODULE_START, ...list.exports]),
  ];
  if (faults.length) throw new Error(`make-page: ${faults.join("; ")}`);
}
