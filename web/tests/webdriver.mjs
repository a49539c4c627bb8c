// @ts-check
// WebKitGTK driven over WebDriver, behind the part of Puppeteer's browser and
// page that the scenarios use, so that one description of each scenario runs
// in every engine. WebDriver classic sees neither the page's requests nor its
// console: a watch installed in the page with the first script after each
// load collects errors, rejected promises, console errors and requests the
// page's policy blocked, and the page's own resource timing lists every
// request it made, from its start. A script to run before the page's own is
// put into a copy of the page's file.
import { spawn } from "node:child_process";
import { once } from "node:events";
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import { fileURLToPath, pathToFileURL } from "node:url";

// WebDriver's codes of the keys the scenarios press by name.
const KEYS = /** @type {Record<string, string>} */ ({
  Escape: "\uE00C", Enter: "\uE007", Tab: "\uE004", Shift: "\uE008", Backspace: "\uE003",
  Space: "\uE00D", ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014", ArrowDown: "\uE015",
  F2: "\uE032", F3: "\uE033",
});

/** @param {string} key */
const code = (key) => KEYS[key] ?? key;

// Run before every script: the watch, once per document.
const WATCH = `if (!window.__trainerWatch) {
  const w = window.__trainerWatch = { faults: [], seen: 0 };
  addEventListener("error", (e) => w.faults.push("uncaught: " + e.message));
  addEventListener("unhandledrejection", (e) => w.faults.push("uncaught: " + (e.reason && e.reason.message || e.reason)));
  addEventListener("securitypolicyviolation", (e) => w.faults.push("request: " + e.blockedURI));
  const error = console.error;
  console.error = (...words) => { w.faults.push("console: " + words.join(" ")); error.apply(console, words); };
}
const w = window.__trainerWatch;`;

/** A port nobody listens on now. @returns {Promise<number>} */
function freePort() {
  return new Promise((done, fail) => {
    const server = createServer();
    server.once("error", fail);
    server.listen(0, "127.0.0.1", () => {
      const address = server.address();
      server.close(() => done(typeof address === "object" && address ? address.port : 0));
    });
  });
}

/**
 * A private X display: Xvfb on the first free number, which it reports on a
 * pipe once it listens.
 * @returns {Promise<{ display: string, process: import("node:child_process").ChildProcess }>}
 */
function startXvfb() {
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
    { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  return new Promise((done, fail) => {
    let said = "";
    xvfb.once("error", fail);
    xvfb.once("exit", (status) => fail(new Error(`Xvfb stopped with status ${status}`)));
    xvfb.stdio[3]?.on("data", (chunk) => {
      said += chunk;
      if (said.includes("\n")) done({ display: `:${said.trim()}`, process: xvfb });
    });
  });
}

class WebDriverSession {
  /** @param {string} base */
  constructor(base) {
    this.base = base;
    this.id = "";
  }

  /** @param {string} method @param {string} path @param {unknown} [body] */
  async call(method, path, body) {
    const url = `${this.base}${this.id ? `/session/${this.id}` : ""}${path}`;
    const response = await fetch(url, {
      method,
      headers: { "content-type": "application/json" },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const reply = /** @type {{ value: any }} */ (await response.json());
    if (!response.ok)
      throw new Error(`WebDriver ${method} ${path}: ${reply.value?.error}: ${reply.value?.message}`);
    return reply.value;
  }

  /** @param {any[]} actions */
  perform(actions) {
    return this.call("POST", "/actions", { actions });
  }
}

/** @typedef {{ request: Function[], pageerror: Function[], console: Function[] }} Listeners */

class Keyboard {
  /** @param {WebDriverSession} session */
  constructor(session) {
    this.session = session;
    /** @type {string[]} keys held down by down() */
    this.held = [];
  }

  /** @param {string[]} keys each pressed and released, with the held keys down */
  send(keys) {
    const actions = [
      ...this.held.map((key) => ({ type: "keyDown", value: code(key) })),
      ...keys.flatMap((key) => [{ type: "keyDown", value: code(key) }, { type: "keyUp", value: code(key) }]),
      ...this.held.map((key) => ({ type: "keyUp", value: code(key) })),
    ];
    return this.session.perform([{ type: "key", id: "keyboard", actions }]);
  }

  /** @param {string} key */
  press(key) {
    return this.send([key]);
  }

  /** @param {string} text */
  type(text) {
    return this.send([...text]);
  }

  /** @param {string} key */
  async down(key) {
    this.held.push(key);
  }

  /** @param {string} key */
  async up(key) {
    this.held = this.held.filter((k) => k !== key);
  }
}

/**
 * A pointer's press and release at (x, y) of the viewport.
 * @param {WebDriverSession} session @param {"mouse" | "touch"} kind @param {number} x @param {number} y
 */
function pointerClick(session, kind, x, y) {
  return session.perform([{
    type: "pointer", id: kind, parameters: { pointerType: kind },
    actions: [
      { type: "pointerMove", origin: "viewport", x: Math.round(x), y: Math.round(y) },
      { type: "pointerDown", button: 0 },
      { type: "pointerUp", button: 0 },
    ],
  }]);
}

class Page {
  /** @param {WebDriverSession} session @param {string} scratch a folder for the page's copies */
  constructor(session, scratch) {
    this.session = session;
    this.scratch = scratch;
    /** @type {string[]} scripts to run before the page's own */
    this.first = [];
    this.url = "about:blank";
    /** @type {Listeners} */
    this.listeners = { request: [], pageerror: [], console: [] };
    this.keyboard = new Keyboard(session);
    this.mouse = { click: (/** @type {number} */ x, /** @type {number} */ y) => pointerClick(session, "mouse", x, y) };
    this.touchscreen = { tap: (/** @type {number} */ x, /** @type {number} */ y) => pointerClick(session, "touch", x, y) };
  }

  /** @param {keyof Listeners} event @param {Function} listener */
  on(event, listener) {
    this.listeners[event]?.push(listener);
    return this;
  }

  /**
   * Runs `body` (a function body over `arguments`) in the page, and passes
   * on what the watch saw meanwhile.
   * @param {string} body @param {unknown[]} args @returns {Promise<any>}
   */
  async run(body, args) {
    const script = `${WATCH}
return Promise.resolve((() => { ${body} })()).then((value) => {
  const requests = performance.getEntriesByType("resource").slice(w.seen).map((entry) => entry.name);
  w.seen += requests.length;
  return { value, faults: w.faults.splice(0), requests };
});`;
    /** @type {{ value: unknown, faults: string[], requests: string[] }} */
    const { value, faults, requests } = await this.session.call("POST", "/execute/sync", { script, args });
    for (const url of [...requests, ...faults.filter((f) => f.startsWith("request: ")).map((f) => f.slice(9))])
      for (const listener of this.listeners.request) listener({ url: () => url });
    for (const fault of faults) {
      if (fault.startsWith("uncaught: "))
        for (const listener of this.listeners.pageerror) listener(new Error(fault.slice(10)));
      if (fault.startsWith("console: "))
        for (const listener of this.listeners.console) listener({ type: () => "error", text: () => fault.slice(9) });
    }
    return value ?? undefined;
  }

  /** @param {Function | string} fn @param {...unknown} args @returns {Promise<any>} */
  evaluate(fn, ...args) {
    return this.run(typeof fn === "string" ? `return (${fn});` : `return (${fn})(...arguments);`, args);
  }

  /** @param {string} selector @param {Function} fn @param {...unknown} args @returns {Promise<any>} */
  $eval(selector, fn, ...args) {
    return this.run(`const [selector, ...rest] = arguments; const e = document.querySelector(selector);
      if (!e) throw new Error("no " + selector); return (${fn})(e, ...rest);`, [selector, ...args]);
  }

  /** @param {string} selector @param {Function} fn @param {...unknown} args */
  $$eval(selector, fn, ...args) {
    return this.run(`const [selector, ...rest] = arguments;
      return (${fn})([...document.querySelectorAll(selector)], ...rest);`, [selector, ...args]);
  }

  /** @param {string} selector */
  async $(selector) {
    if (!(await this.evaluate((/** @type {string} */ s) => document.querySelector(s) !== null, selector))) return null;
    return {
      evaluate: (/** @type {Function} */ fn, /** @type {unknown[]} */ ...args) => this.$eval(selector, fn, ...args),
      boundingBox: () => this.$eval(selector, (/** @type {Element} */ e) => {
        const r = e.getBoundingClientRect();
        return r.width || r.height ? { x: r.left, y: r.top, width: r.width, height: r.height } : null;
      }),
    };
  }

  /**
   * Polls `fn` until it gives a true value, as Puppeteer's waitForFunction.
   * @param {Function | string} fn @param {{ timeout?: number }} [options] @param {...unknown} args
   */
  async waitForFunction(fn, options = {}, ...args) {
    const end = Date.now() + (options.timeout ?? 30000);
    for (;;) {
      const value = await this.evaluate(fn, ...args);
      if (value) return value;
      if (Date.now() > end) throw new Error(`waiting for ${String(fn).slice(0, 80)} timed out`);
      await sleep(50);
    }
  }

  /** Clicks the middle of `selector`, scrolled into view first. @param {string} selector */
  async click(selector) {
    const point = await this.$eval(selector, (/** @type {Element} */ e) => {
      const r0 = e.getBoundingClientRect();
      if (r0.top < 0 || r0.bottom > innerHeight || r0.left < 0 || r0.right > innerWidth)
        e.scrollIntoView({ block: "center", inline: "center" });
      const r = e.getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    });
    await this.mouse.click(point.x, point.y);
  }

  /**
   * Sizes the window so that its viewport is `width` x `height`; WebDriver
   * sets the window's outer size only, so the frame is measured and added.
   * @param {{ width: number, height: number }} viewport
   */
  async setViewport({ width, height }) {
    const sizes = () => this.evaluate(() => [innerWidth, innerHeight, outerWidth, outerHeight].join(" "));
    let [addX, addY] = [0, 0];
    for (let attempt = 0; attempt < 5; attempt++) {
      await this.session.call("POST", "/window/rect", { width: width + addX, height: height + addY });
      // The page may learn its new size a moment after the window has it:
      // the sizes are read once two readings a frame apart agree.
      let said = await sizes();
      for (let read = 0; read < 20; read++) {
        await sleep(50);
        const now = await sizes();
        if (now === said) break;
        said = now;
      }
      const [innerW = 0, innerH = 0, outerW = 0, outerH = 0] = said.split(" ").map(Number);
      if (innerW === width && innerH === height) return;
      [addX, addY] = [outerW - innerW, outerH - innerH];
    }
    const [w, h] = await this.evaluate(() => [innerWidth, innerHeight]);
    throw new Error(`the viewport is ${w} x ${h}, not ${width} x ${height}`);
  }

  /**
   * Runs `script` before the page's own script from the next load on.
   * WebDriver cannot, so a page from a file is loaded from a copy with the
   * script first in its head, where the page's policy lets it run.
   * @param {string} script
   */
  async evaluateOnNewDocument(script) {
    this.first.push(script);
  }

  /** @param {string} url */
  async goto(url) {
    this.url = url;
    let load = url;
    if (this.first.length > 0 && url.startsWith("file:")) {
      const copy = join(this.scratch, `first-${Date.now()}.html`);
      const scripts = this.first.map((script) => `<script>${script}</script>`).join("");
      writeFileSync(copy, readFileSync(fileURLToPath(url), "utf8").replace("<head>", `<head>${scripts}`));
      load = pathToFileURL(copy).href;
    }
    await this.session.call("POST", "/url", { url: load });
    await this.evaluate(() => true); // the watch, at once
  }

  async reload() {
    if (this.first.length > 0) return this.goto(this.url);
    await this.session.call("POST", "/refresh", {});
    await this.evaluate(() => true);
  }

  async close() {
    await this.session.call("POST", "/url", { url: "about:blank" });
  }
}

/**
 * WebKitGTK's MiniBrowser under Debian's WebKitWebDriver, on a private
 * display, as one browser with one page at a time.
 */
export async function launchWebKit() {
  // A home of its own, kept from the user's, with a style for the browser's
  // toolbar that shrinks it to nothing much, so that its window, and the
  // page's viewport with it, can be as narrow as a phone's.
  const home = mkdtempSync(join(tmpdir(), "trainer-webkit-"));
  mkdirSync(join(home, "config", "gtk-3.0"), { recursive: true });
  writeFileSync(join(home, "config", "gtk-3.0", "gtk.css"),
    "toolbar, toolbar *, entry, button { min-width: 0; min-height: 0; padding: 0; margin: 0;" +
    " border-width: 0; font-size: 1px; -gtk-icon-transform: scale(0.1); }\n");
  const { display, process: xvfb } = await startXvfb();
  const port = await freePort();
  const env = { ...process.env, DISPLAY: display, XDG_CONFIG_HOME: join(home, "config"),
    XDG_DATA_HOME: join(home, "data"), XDG_CACHE_HOME: join(home, "cache") };
  const driver = spawn("/usr/bin/WebKitWebDriver", [`--port=${port}`], { env, stdio: "ignore" });
  // The browser may still be writing its caches as it goes: the home goes
  // once the driver and the display have stopped, with a few tries.
  const stop = async () => {
    const stopped = [driver, xvfb].map((child) =>
      child.exitCode !== null || child.signalCode !== null ? Promise.resolve() : once(child, "exit"));
    driver.kill();
    xvfb.kill();
    await Promise.all(stopped);
    rmSync(home, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  };
  try {
    const session = new WebDriverSession(`http://127.0.0.1:${port}`);
    for (let attempt = 0; ; attempt++) {
      const ready = await session.call("GET", "/status").then((status) => status?.ready, () => false);
      if (ready) break;
      if (attempt > 100) throw new Error("WebKitWebDriver does not answer");
      await sleep(100);
    }
    const created = await session.call("POST", "/session", {
      capabilities: { alwaysMatch: { browserName: "MiniBrowser" } },
    });
    session.id = created.sessionId;
    // The window paints once it is mapped on the display; until then the
    // page's frames do not come, and the page waits for its first frame.
    for (let attempt = 0; ; attempt++) {
      const painting = await session.call("POST", "/execute/sync", {
        script: "return new Promise((done) => { requestAnimationFrame(() => done(true)); setTimeout(() => done(false), 500); });",
        args: [],
      });
      if (painting) break;
      if (attempt > 60) throw new Error("the WebKit window draws no frame");
    }
    const version = `MiniBrowser/${created.capabilities?.browserVersion}`;
    return {
      version: async () => version,
      newPage: async () => new Page(session, home),
      close: async () => {
        await session.call("DELETE", "").catch(() => {});
        await stop();
      },
    };
  } catch (error) {
    await stop();
    throw error;
  }
}
