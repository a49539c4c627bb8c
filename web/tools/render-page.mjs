// @ts-check
// The web face's form builder, run when the page is made: turns the layout
// tables (as page-data prints them) into the page's markup. Each control is
// the element whose data-control is its layout name, inside the element whose
// id is its window's name; it carries its rectangle, font size, colours and
// stacking level for the style sheet, its description and its naming caption.
// The main window's controls stand in the markup in the Tab chain's order, so
// that Tab, Shift+Tab and a screen reader's reading all go the same way.

/**
 * @typedef {{ face: string, px: number, bold: boolean, underline: boolean }} Font
 * @typedef {{ name: string, kind: string, container: string | null, caption: string,
 *   left: number, top: number, width: number, height: number, tab: number, font: Font,
 *   fill: string | null, text: string | null, align: string, border: boolean,
 *   selected: boolean, description: string | null, labelledBy: string | null,
 *   stack: number, step: number }} Control
 * @typedef {{ name: string, caption: string, width: number, height: number, left: number,
 *   top: number, icon: string | null, picture: string | null, fill: string | null,
 *   drawingColour: string | null, firstFocus: string | null, controls: Control[] }} Window
 * @typedef {{ number: number, answerBox: string | null, confirmButton: string | null,
 *   echoLabel: string | null, verdictLabel: string | null }} Step
 * @typedef {{ windows: Window[], steps: Step[], words: Record<string, string> }} PageData
 * @typedef {{ css: string, picture: string, fonts: { regular: string, bold: string,
 *   serif: string }, icons: Record<string, string>, module: string }} Assets
 */

/** @param {string} text */
const escape = (text) =>
  text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");

/** @param {Record<string, string | number | boolean | null | undefined>} attributes */
function attrs(attributes) {
  let out = "";
  for (const [name, value] of Object.entries(attributes)) {
    if (value === null || value === undefined || value === false) continue;
    out += value === true ? ` ${name}` : ` ${name}="${escape(String(value))}"`;
  }
  return out;
}

// What Qt's system colours are on a face that has none of its own.
const SYSTEM_TEXT = "#000000";

/**
 * Where a control of the main window stands when the controls flow in one
 * column: grid row and columns. The step rows come from the step table (a
 * step's caption is the label that names its box), the counters are the
 * labels of no step, and the other controls keep their places above or
 * below the steps.
 * @param {Window} window @param {Step[]} steps
 */
function flowPlaces(window, steps) {
  /** @type {Map<string, string>} */
  const places = new Map();
  const full = (/** @type {number} */ row) => `${row} / 1 / auto / -1`;
  const firstStepTop = Math.min(
    ...window.controls.filter((c) => c.kind === "textBox").map((c) => c.top),
  );
  /** @type {Map<string, number>} each step control's column */
  const inStep = new Map();
  for (const step of steps) {
    const box = window.controls.find((c) => c.name === step.answerBox);
    if (box?.labelledBy) inStep.set(box.labelledBy, 0);
    [step.answerBox, step.confirmButton, step.echoLabel, step.verdictLabel].forEach((name, i) => {
      if (name) inStep.set(name, i + 1);
    });
  }
  const rest = window.controls.filter((c) => !c.container && !inStep.has(c.name));
  // The caption, what stands above the steps, the example's drawing, the
  // counters (the labels of no step), the steps, what stands below them.
  let row = 2;
  for (const c of rest.filter((c) => c.kind !== "label" && c.top < firstStepTop)) places.set(c.name, full(row++));
  places.set(DRAWING_PLACE, full(row++));
  let column = 0;
  for (const c of rest.filter((c) => c.kind === "label")) places.set(c.name, `${row} / ${++column}`);
  row++;
  for (const step of steps) {
    const box = window.controls.find((c) => c.name === step.answerBox);
    if (!box) continue;
    if (box.labelledBy) places.set(box.labelledBy, full(row++));
    [step.answerBox, step.confirmButton, step.echoLabel, step.verdictLabel].forEach((name, i) => {
      if (name) places.set(name, `${row} / ${i + 1}`);
    });
    row++;
  }
  for (const c of rest.filter((c) => c.kind !== "label" && c.top >= firstStepTop)) places.set(c.name, full(row++));
  return places;
}

// The key under which flowPlaces gives the drawing's place.
const DRAWING_PLACE = " drawing";

/**
 * In a window of captions and their values, flowing in two columns: a label
 * that is neither a value nor named by one takes a row of its own.
 * @param {Window} window
 */
function pairPlaces(window) {
  const named = new Set(window.controls.map((c) => c.labelledBy));
  return new Map(
    window.controls
      .filter((c) => !c.labelledBy && !named.has(c.name))
      .map((c) => [c.name, "auto / 1 / auto / -1"]),
  );
}

/**
 * @param {Window} window @param {Control} c @param {string | undefined} place
 * @param {string} children @param {boolean} isValue
 */
function controlMarkup(window, c, place, children, isValue) {
  const id = `${window.name}-${c.name}`;
  const described = c.description ? `${id}-d` : null;
  const style =
    `--l:${c.left};--t:${c.top};--w:${c.width};--h:${c.height};--f:${c.font.px};--z:${c.stack}` +
    (c.fill ? `;--bg:${c.fill}` : "") +
    `;--fg:${c.text ?? SYSTEM_TEXT}` +
    (place ? `;grid-area:${place}` : "");
  const classes = ["c", c.kind, c.align, c.border ? "border" : "", c.font.bold ? "bold" : "",
    c.font.underline ? "underline" : ""].filter(Boolean).join(" ");
  const common = { id, class: classes, "data-control": c.name, style, "aria-describedby": described };
  const text = escape(c.caption);
  switch (c.kind) {
    case "textBox":
      return `<input${attrs({
        ...common, type: "text", inputmode: "numeric",
        "aria-labelledby": c.labelledBy ? `${window.name}-${c.labelledBy}` : null,
        autocomplete: "off", autocorrect: "off", autocapitalize: "off", spellcheck: "false",
        maxlength: 32767, value: c.caption || null, autofocus: c.name === window.firstFocus,
      })}>`;
    case "pushButton":
      return `<button${attrs({ ...common, type: "button" })}>${text}</button>`;
    case "frame":
      return `<div${attrs({ ...common, role: "radiogroup", "aria-labelledby": `${id}-caption` })}>` +
        `<span class="caption" id="${id}-caption">${text}</span>${children}</div>`;
    case "optionButton":
      return `<label${attrs({ ...common, "aria-describedby": null })}><input${attrs({
        type: "radio", name: c.container ?? window.name, checked: c.selected,
        "aria-describedby": described,
      })}><span>${text}</span></label>`;
    default:
      return `<div${attrs({ ...common, "data-value": isValue })}>${text}</div>`;
  }
}

/**
 * The window's controls in the order of its Tab chain: each control that
 * takes the focus in its turn (an option button by its frame), a step's
 * caption just before its box, its echo and verdict just after its «Да»,
 * and the labels of no step (the counters) first.
 * @param {Window} window @param {Step[]} steps
 */
function inTabOrder(window, steps) {
  const top = window.controls.filter((c) => !c.container);
  const byName = new Map(window.controls.map((c) => [c.name, c]));
  /** @type {Map<string, string[]>} the labels that go after a button */
  const after = new Map();
  for (const step of steps)
    if (step.confirmButton) after.set(step.confirmButton, [step.echoLabel, step.verdictLabel].filter((n) => n !== null));
  const chain = window.controls.filter((c) => c.tab >= 0).sort((a, b) => a.tab - b.tab);
  const placed = new Set([...after.values()].flat());
  for (const c of chain) if (c.labelledBy) placed.add(c.labelledBy);
  /** @type {Control[]} */
  const order = top.filter((c) => c.kind === "label" && !placed.has(c.name));
  const put = (/** @type {Control | undefined} */ c) => {
    if (c && !order.includes(c)) order.push(c);
  };
  for (const c of chain) {
    const own = c.container ? byName.get(c.container) : c;
    if (own?.labelledBy) put(byName.get(own.labelledBy));
    put(own);
    for (const name of after.get(c.name) ?? []) put(byName.get(name));
  }
  for (const c of top) put(c);
  return order;
}

/**
 * @param {Window} window @param {Map<string, string>} places
 * @param {Control[]} [order] the window's own controls in the order to write them
 */
function controlsMarkup(window, places, order = window.controls.filter((c) => !c.container)) {
  const values = new Set(window.controls.map((c) => c.labelledBy).filter(Boolean));
  const valueLabels = new Set(
    window.controls.filter((c) => c.kind === "label" && c.labelledBy).map((c) => c.name),
  );
  /** @type {(container: string | null) => string} */
  const within = (container) =>
    (container === null ? order : window.controls.filter((c) => c.container === container))
      .map((c) =>
        controlMarkup(window, c, places.get(c.name), within(c.name),
          valueLabels.has(c.name) || (window.name !== "Form1" && c.caption === "" && !values.has(c.name))),
      )
      .join("");
  const descriptions = window.controls
    .filter((c) => c.description)
    .map((c) => `<span id="${window.name}-${c.name}-d">${escape(c.description ?? "")}</span>`)
    .join("");
  return within(null) + `<div hidden>${descriptions}</div>`;
}

/** @param {string} svg @param {number} width @param {number} height */
function pictureMarkup(svg, width, height) {
  const body = svg
    .replace(/<\?xml[^>]*>/, "")
    .replace(/<!--[\s\S]*?-->/g, "")
    .replace(/<svg[^>]*>/, "")
    .replace(/<\/svg>\s*$/, "")
    .replace(/font-family="Liberation Serif"/g, 'font-family="Trainer Serif"')
    .replace(/>\s+</g, "><")
    .trim();
  return `<svg class="picture" aria-hidden="true" focusable="false" viewBox="0 0 ${width} ${height}">${body}</svg>`;
}

// A loudspeaker, drawn in the button's own colour.
const SPEAKER_ICON =
  '<svg viewBox="0 0 20 20" width="18" height="18" aria-hidden="true" focusable="false">' +
  '<path d="M2 7h4l5-4v14l-5-4H2z" fill="currentColor"/>' +
  '<path d="M14 6.5a5 5 0 0 1 0 7M16.5 4a8.5 8.5 0 0 1 0 12" fill="none" stroke="currentColor" stroke-width="1.6" stroke-linecap="round"/></svg>';
const INFO_ICON =
  '<svg viewBox="0 0 32 32" aria-hidden="true" focusable="false"><circle cx="16" cy="16" r="15" fill="#2f6fd0"/>' +
  '<circle cx="16" cy="9" r="2.4" fill="#fff"/><rect x="13.8" y="13" width="4.4" height="12" rx="1" fill="#fff"/></svg>';

/**
 * @param {PageData} data @param {Assets} assets @param {string} script
 * @param {{ site: boolean }} options
 */
export function renderPage(data, assets, script, options) {
  const [main, results] = data.windows;
  if (!main || !results) throw new Error("render-page: the page data holds no windows");
  const words = data.words;
  const places = flowPlaces(main, data.steps);
  const icon = (/** @type {string | null} */ name) => `data:image/png;base64,${assets.icons[name ?? ""] ?? ""}`;
  const font = (/** @type {string} */ family, /** @type {string} */ b64, /** @type {string} */ more) =>
    `@font-face{font-family:"${family}";src:url(data:font/woff2;base64,${b64}) format("woff2");${more}font-display:block}`;
  const css =
    font("Trainer Sans", assets.fonts.regular, "font-weight:400;") +
    font("Trainer Sans", assets.fonts.bold, "font-weight:700;") +
    font("Trainer Serif", assets.fonts.serif, "font-style:italic;") +
    assets.css.replace(/\/\*[\s\S]*?\*\//g, "").replace(/\s*\n\s*/g, "");
  const live = (/** @type {string} */ id) =>
    `<div id="${id}-1" class="sr" role="status" aria-live="polite" aria-atomic="true"></div>` +
    `<div id="${id}-2" class="sr" role="status" aria-live="polite" aria-atomic="true"></div>`;
  // Nothing leaves the computer: the browser is told to fetch nothing at all.
  // Compiling the module needs 'wasm-unsafe-eval', and in Safari 15, which
  // lacks it, 'unsafe-eval'; the page's script evaluates no text.
  const policy =
    "default-src 'none'; script-src 'unsafe-inline' 'unsafe-eval' 'wasm-unsafe-eval'; style-src 'unsafe-inline'; " +
    "font-src data:; img-src data:" +
    // The site's manifest, the icons it names (an app is installed with them)
    // and the service worker come from where the page does.
    (options.site ? " 'self'; manifest-src 'self'; worker-src 'self'" : "");
  const site = options.site
    ? `<link rel="manifest" href="manifest.webmanifest"><meta name="theme-color" content="#2c5d9a">` +
      `<script>if("serviceWorker"in navigator&&location.protocol!=="file:")addEventListener("load",function(){navigator.serviceWorker.register("sw.js").catch(function(){})})</script>`
    : "";
  return `<!doctype html>
<html lang="ru"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width,initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="${policy}">
<title>${escape(main.caption)}</title>
<meta name="description" content="${escape(words["description"] ?? "")}">
<link rel="icon" type="image/png" href="${icon(main.icon)}">${site}
<style>${css}</style>
<noscript><style>#Form1,#voice-bar{display:none}</style></noscript>
</head><body>
<noscript><p class="needs">${escape(words["needsScript"] ?? "")}</p></noscript>
<p id="needs" class="needs" tabindex="-1" hidden>${escape(words["needsWebAssembly"] ?? "")}</p>
<div id="voice-bar" class="voice-bar"><button id="voice" type="button" class="plain-button" aria-pressed="false" aria-keyshortcuts="F3">${SPEAKER_ICON}<span class="voice-word">${escape(words["voiceButton"] ?? "")}</span> <span>F3</span></button><p id="voice-note" class="voice-note" hidden></p></div>
<main id="Form1" class="window main" style="--ink:${main.drawingColour ?? SYSTEM_TEXT}" aria-labelledby="Form1-title">
<h1 id="Form1-title" style="grid-area:1 / 1 / auto / -1">${escape(main.caption)}</h1>
${pictureMarkup(assets.picture, main.width + 1, main.height + 1)}<div class="surface-box" style="grid-area:${places.get(DRAWING_PLACE)}"><svg id="Form1-surface" class="surface" data-control="surface" role="img" aria-label="${escape(words["drawingName"] ?? "")}" aria-describedby="Form1-surface-words" viewBox="0 0 ${main.width} ${main.height}"><g id="Form1-drawing"></g></svg></div><span id="Form1-surface-words" hidden>${escape(words["nothingDrawn"] ?? "")}</span>
${controlsMarkup(main, places, inTabOrder(main, data.steps))}
</main>
${live("speech")}
<section id="Form2" class="window results" role="dialog" aria-labelledby="Form2-title" tabindex="-1" style="--bg:${results.fill ?? "#ffffff"}" hidden>
<div class="titlebar"><img src="${icon(results.icon)}" alt=""><h2 id="Form2-title" class="title">${escape(results.caption)}</h2><button id="Form2-close" type="button" class="close" aria-label="${escape(words["close"] ?? "")}">✕</button></div>
<div id="Form2-client" class="client" tabindex="0" role="group" aria-labelledby="Form2-title" aria-describedby="${results.controls.map((c) => `${results.name}-${c.name}`).join(" ")}">${controlsMarkup(results, pairPlaces(results))}</div>
${live("Form2-speech")}
</section>
<div id="message" hidden><div class="box" role="alertdialog" aria-modal="true" aria-labelledby="message-title" aria-describedby="message-text">
<div class="titlebar"><img src="${icon(main.icon)}" alt=""><span id="message-title" class="title"></span></div>
<div class="body">${INFO_ICON}<p id="message-text"></p></div>
<div class="buttons"><button id="message-ok" type="button" class="plain-button">${escape(words["ok"] ?? "")}</button></div>
</div></div>
<div id="ended" class="ended" hidden><p id="ended-words" tabindex="-1">${escape(words["workEnded"] ?? "")}</p><button id="begin-again" type="button" class="plain-button">${escape(words["beginAgain"] ?? "")}</button></div>
<!--trainer-module ${assets.module}-->
<script>${script.replace(/<\/script/gi, "<\\/script")}</script>
</body></html>
`;
}
