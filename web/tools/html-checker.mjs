// @ts-check
// The page's markup through the Nu Html Checker (npm's vnu-jar, run by the
// system's Java). Two of its messages are left out: it does not yet know the
// answer boxes' autocorrect, which Safari and Chrome honour, nor the policy's
// 'wasm-unsafe-eval', which every browser the page runs in knows.
import { execFile } from "node:child_process";
import { createRequire } from "node:module";
import { promisify } from "node:util";

const jar = /** @type {string} */ (createRequire(import.meta.url)("vnu-jar"));

const TOO_NEW = [/^Attribute “autocorrect” not allowed on element “input”/,
  /^Bad value “[^”]*” for attribute “content” on element “meta”: Expecting source-expression but found "'wasm-unsafe-eval'"\. ?$/];

/**
 * Every error, warning and note the checker gives on `files` but the two it
 * is too old to know, each as "file:line: type: message".
 * @param {string[]} files @returns {Promise<string[]>}
 */
export async function checkMarkup(files) {
  // The checker exits non-zero when it finds an error; its report is on
  // stderr either way.
  const { stderr } = await promisify(execFile)("java", ["-jar", jar, "--format", "json", ...files],
    { maxBuffer: 1 << 24 }).catch((/** @type {any} */ failed) => failed);
  /** @type {{ messages: { type: string, subType?: string, url?: string, lastLine?: number, message: string }[] }} */
  const report = JSON.parse(stderr);
  return report.messages
    .filter((m) => !TOO_NEW.some((known) => known.test(m.message)))
    .map((m) => `${m.url?.replace(/^file:/, "") ?? ""}:${m.lastLine ?? ""}: ${m.subType ?? m.type}: ${m.message}`);
}
