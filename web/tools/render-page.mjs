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
 *   stack: number, step: number, role: string, order: number, row: number, column: number }} Control
 * @typedef {{ name: string, caption: string, width: number, height: number, left: number,
 *   top: number, icon: string | null, picture: string | null, fill: string | null,
 *   drawingColour: string | null, firstFocus: string | null, drawingRow: number,
 *   drawingArea: { left: number, top: number, width: number, height: number } | null,
 *   controls: Control[] }} Window
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
 * Where each control stands when the controls flow in one column: the main
 * window's rows and columns as the layout gives them (column 0 spans the
 * row); in a window of captions and their values, flowing in two columns, a
 * label that is neither takes a row of its own.
 * @param {Window} window
 */
function columnPlaces(window) {
  /** @type {(row: number, column: number) => string} */
  const area = (row, column) => (column ? `${row} / ${column}` : `${row} / 1 / auto / -1`);
  return new Map(
    window.controls
      .filter((c) => c.row > 0 || (window.drawingArea === null && c.role === "text"))
      .map((c) => [c.name, c.row > 0 ? area(c.row, c.column) : "auto / 1 / auto / -1"]),
  );
}

/**
 * The figures the style sheet is written with, {{name}} in page.css: the
 * window's size, where the results window opens over it, the part of the
 * drawing a small screen shows, and the counters' foot, below which the
 * voice's button stands at the window's edge.
 * @param {Window} main @param {Window} results
 */
function cssFigures(main, results) {
  const drawn = main.drawingArea;
  if (!drawn) throw new Error("render-page: the main window has no drawing area");
  const counters = main.controls.filter((c) => c.role === "text" && c.step === 0 && !c.container);
  return {
    mainWidth: main.width,
    mainHeight: main.height,
    pictureWidth: main.width + 1,
    pictureHeight: main.height + 1,
    resultsLeft: results.left - main.left,
    resultsTop: results.top - main.top,
    resultsWidth: results.width,
    resultsHeight: results.height,
    drawingLeft: drawn.left,
    drawingTop: drawn.top,
    drawingWidth: drawn.width,
    drawingHeight: drawn.height,
    countersBottom: Math.max(...counters.map((c) => c.top + c.height)),
  };
}

/** @param {string} css @param {Record<string, number>} figures */
function withFigures(css, figures) {
  return css.replace(/\{\{(\w+)\}\}/g, (_, name) => {
    const figure = figures[name];
    if (figure === undefined) throw new Error(`render-page: page.css asks for {{${name}}}, which the layout does not give`);
    return String(figure);
  });
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
 * The window's controls, its own in the order they stand (which Tab and a
 * screen reader follow), each frame's within it.
 * @param {Window} window @param {Map<string, string>} places
 */
function controlsMarkup(window, places) {
  const order = window.controls.filter((c) => !c.container).sort((a, b) => a.order - b.order);
  /** @type {(container: string | null) => string} */
  const within = (container) =>
    (container === null ? order : window.controls.filter((c) => c.container === container))
      .map((c) => controlMarkup(window, c, places.get(c.name), within(c.name), c.role === "value"))
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
  const places = columnPlaces(main);
  const icon = (/** @type {string | null} */ name) => `data:image/png;base64,${assets.icons[name ?? ""] ?? ""}`;
  const font = (/** @type {string} */ family, /** @type {string} */ b64, /** @type {string} */ more) =>
    `@font-face{font-family:"${family}";src:url(data:font/woff2;base64,${b64}) format("woff2");${more}font-display:block}`;
  const css =
    font("Trainer Sans", assets.fonts.regular, "font-weight:400;") +
    font("Trainer Sans", assets.fonts.bold, "font-weight:700;") +
    font("Trainer Serif", assets.fonts.serif, "font-style:italic;") +
    withFigures(assets.css.replace(/\/\*[\s\S]*?\*\//g, ""), cssFigures(main, results)).replace(/\s*\n\s*/g, "");
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
${pictureMarkup(assets.picture, main.width + 1, main.height + 1)}<div class="surface-box" style="grid-area:${main.drawingRow} / 1 / auto / -1"><svg id="Form1-surface" class="surface" data-control="surface" role="img" aria-label="${escape(words["drawingName"] ?? "")}" aria-describedby="Form1-surface-words" viewBox="0 0 ${main.width} ${main.height}"><g id="Form1-drawing"></g></svg></div><span id="Form1-surface-words" hidden>${escape(words["nothingDrawn"] ?? "")}</span>
${controlsMarkup(main, places)}
</main>
${live("speech")}
<section id="Form2" class="window results" role="dialog" aria-labelledby="Form2-title" tabindex="-1" style="--bg:${results.fill ?? "#ffffff"}" hidden>
<div class="titlebar"><img src="${icon(results.icon)}" alt=""><h2 id="Form2-title" class="title">${escape(results.caption)}</h2><button id="Form2-close" type="button" class="close" aria-label="${escape(words["close"] ?? "")}">✕</button></div>
<div id="Form2-client" class="client" tabindex="0" role="group" aria-labelledby="Form2-title" aria-describedby="${results.controls.map((c) => `${results.name}-${c.name}`).join(" ")}">${controlsMarkup(results, columnPlaces(results))}</div>
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
