// One small driver over the three browser engines of Debian's packages, with
// just what the suites need: a view of a given size in CSS px, a page opened
// by URL, functions evaluated in it, real clicks and keys, page zoom,
// screenshots as pixels, and the page's errors.
//
//  - chromium: Debian's chromium, headless, over the DevTools protocol
//    (puppeteer-core);
//  - firefox: Debian's firefox-esr, headless, over WebDriver BiDi
//    (puppeteer-core);
//  - webkit: WebKitGTK's MiniBrowser under a private Xvfb, over classic W3C
//    WebDriver spoken to WebKitWebDriver (selenium-webdriver).
//
// Every engine gets a new empty profile (and WebKit its own X server), all of
// it removed by close().

import { spawn, execFile } from 'node:child_process';
import { mkdtempSync, rmSync, existsSync, mkdirSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import puppeteer from 'puppeteer-core';
import { Builder, Key, Origin } from 'selenium-webdriver';
import { waitForServer } from 'selenium-webdriver/http/util.js';
import { decodePng } from './images.mjs';

export const ENGINES = ['chromium', 'firefox', 'webkit'];

export const BINARIES = {
  chromium: process.env.GODO_CHROMIUM || '/usr/bin/chromium',
  firefox: process.env.GODO_FIREFOX || '/usr/bin/firefox-esr',
  webkit: process.env.GODO_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver',
};
export const MINIBROWSER = process.env.GODO_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// MiniBrowser's window cannot be made narrower than this: GTK's minimum
// width of its toolbar.
export const WEBKIT_MIN_WIDTH = 447;

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const run = promisify(execFile);

// Why the engine cannot run here, or null.
export function missing(name) {
  const needs = name === 'webkit' ? [BINARIES.webkit, MINIBROWSER, '/usr/bin/Xvfb', '/usr/bin/xdotool']
                                  : [BINARIES[name]];
  const absent = needs.filter((f) => !existsSync(f));
  return absent.length ? `no ${absent.join(', ')} (scripts/install-deps installs them)` : null;
}

// `env`: variables added to the browser's environment (FONTCONFIG_FILE).
export async function launchEngine(name, { width = 1366, height = 768, scale = 1, env = {} } = {}) {
  const why = missing(name);
  if (why)
    throw new Error(`${name}: ${why}`);
  const engine = name === 'webkit' ? new WebKit(env) : new Puppeteer(name, env);
  try {
    await engine.start(width, height, scale);
  } catch (e) {
    await engine.close();
    throw e;
  }
  return engine;
}

// The errors a page reports: uncaught exceptions and console errors and
// warnings. A suite expects none.
const isProblem = (type) => type === 'error' || type === 'warn' || type === 'warning' || type === 'assert';

class Puppeteer {
  constructor(name, env) {
    this.name = name;
    this.extraEnv = env;
    this.profile = mkdtempSync(join(tmpdir(), `godo-${name}-`));
    this.found = [];
  }

  async start(width, height, scale) {
    this.view = { width, height, scale };
    const common = {
      executablePath: BINARIES[this.name], headless: true, userDataDir: this.profile,
      env: { ...process.env, ...this.extraEnv },
      defaultViewport: { width, height, deviceScaleFactor: scale },
    };
    this.browser = this.name === 'chromium'
      ? await puppeteer.launch({
        ...common,
        args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-dev-shm-usage', '--hide-scrollbars'],
      })
      : await puppeteer.launch({
        ...common, browser: 'firefox',
        // Nothing of its own over the network: this machine's is closed.
        extraPrefsFirefox: {
          'app.update.enabled': false, 'browser.safebrowsing.malware.enabled': false,
          'browser.safebrowsing.phishing.enabled': false, 'network.captive-portal-service.enabled': false,
          'network.connectivity-service.enabled': false, 'extensions.getAddons.cache.enabled': false,
        },
      });
    this.version = await this.browser.version();
    this.page = (await this.browser.pages())[0] || await this.browser.newPage();
    // Firefox leaves the first tab at its own size.
    await this.resize(width, height);
    this.page.on('pageerror', (e) => this.found.push('pageerror: ' + (e.message || e)));
    this.page.on('console', (m) => {
      if (isProblem(m.type()))
        this.found.push(`console ${m.type()}: ${m.text()}`);
    });
  }

  async open(url) {
    await this.page.goto(url, { waitUntil: 'load' });
  }

  async reload() {
    await this.page.reload({ waitUntil: 'load' });
  }

  evaluate(fn, ...args) {
    return this.page.evaluate(fn, ...args);
  }

  async click(x, y) {
    await this.page.mouse.click(x, y);
  }

  async press(key) {
    await this.page.keyboard.press(key);
  }

  // The view of width × height CSS px at zoom 1.
  async resize(width, height) {
    this.view = { ...this.view, width, height };
    await this.page.setViewport({ width, height, deviceScaleFactor: this.view.scale });
  }

  // Page zoom as these engines do it: the same window in device pixels with
  // `factor` device pixels to the CSS px, so innerWidth and innerHeight
  // shrink by the factor and devicePixelRatio grows by it (Chromium's
  // device-metrics override, Firefox's BiDi viewport with its pixel ratio).
  async zoom(factor) {
    const { width, height, scale } = this.view;
    await this.page.setViewport({ width: Math.round(width / factor), height: Math.round(height / factor),
                                  deviceScaleFactor: scale * factor });
    return { zoom: factor, ...(await this.metrics()) };
  }

  metrics() {
    return this.page.evaluate(() => ({ innerWidth, innerHeight, devicePixelRatio }));
  }

  // The view as the screen shows it, in device pixels.
  async screenshot() {
    return decodePng(Buffer.from(await this.page.screenshot({ type: 'png' })));
  }

  async problems() {
    return [...this.found];
  }

  clearProblems() {
    this.found.length = 0;
  }

  // What the console and the error events report while `url` loads in a tab
  // of its own, until `ready` holds in it.
  async problemsAtLoad(url, ready) {
    const tab = await this.browser.newPage();
    const seen = [];
    tab.on('pageerror', (e) => seen.push('pageerror: ' + (e.message || e)));
    tab.on('console', (m) => isProblem(m.type()) && seen.push(`console ${m.type()}: ${m.text()}`));
    try {
      await tab.goto(url, { waitUntil: 'load' });
      await tab.waitForFunction(ready, { timeout: 30000 });
      await sleep(200);
    } finally {
      await tab.close();
      await this.page.bringToFront();
    }
    return seen;
  }

  async close() {
    try {
      if (this.browser)
        await this.browser.close();
    } finally {
      rmSync(this.profile, { recursive: true, force: true });
    }
  }
}

// Installed in the page right after each load where no listener can be put
// before the page's own scripts (WebKit's classic WebDriver): what the page
// reports from then on.
const COLLECTOR = `
  if (!window.__godoProblems) {
    const list = window.__godoProblems = [];
    addEventListener('error', (e) => list.push(e.target === window || !e.target
      ? 'pageerror: ' + (e.error && e.error.message || e.message)
      : 'resource error: ' + (e.target.src || e.target.href || e.target.tagName)), true);
    addEventListener('unhandledrejection', (e) => list.push('unhandledrejection: ' + e.reason));
    document.addEventListener('securitypolicyviolation', (e) =>
      list.push('console error: refused by ' + e.violatedDirective + ': ' + e.blockedURI));
    for (const type of ['error', 'warn', 'assert']) {
      const own = console[type];
      console[type] = function (...args) {
        if (type !== 'assert' || !args[0])
          list.push('console ' + type + ': ' + args.map(String).join(' '));
        return own.apply(this, args);
      };
    }
  }`;

const KEYS = { ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, ArrowLeft: Key.ARROW_LEFT,
               ArrowRight: Key.ARROW_RIGHT, Enter: Key.ENTER, Escape: Key.ESCAPE, Tab: Key.TAB, Space: ' ' };

// A free TCP port of 127.0.0.1.
function freePort() {
  return new Promise((resolve, reject) => {
    const s = createServer();
    s.once('error', reject);
    s.listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

// A private X server on a display number it picks itself (-displayfd).
function startXvfb(width, height) {
  return new Promise((resolve, reject) => {
    const x = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${width}x${height}x24`, '-nolisten', 'tcp'],
                    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
    let err = '';
    x.stderr.on('data', (d) => err += d);
    x.stdio[3].on('data', (d) => resolve({ process: x, display: ':' + String(d).trim() }));
    x.on('exit', (code) => reject(new Error(`Xvfb ended (${code}): ${err}`)));
  });
}

const stopped = (child) => new Promise((resolve) => {
  if (!child || child.exitCode !== null || child.signalCode !== null)
    return resolve();
  child.once('exit', resolve);
  child.kill();
});

class WebKit {
  constructor(env) {
    this.name = 'webkit';
    this.extraEnv = env;
    this.home = mkdtempSync(join(tmpdir(), 'godo-webkit-'));
    this.log = '';
  }

  get env() {
    // Its settings and site data in the temporary home, never the user's;
    // the caches stay the user's (with new ones every start takes seconds
    // longer: the GStreamer registry, the shader cache).
    const env = { ...process.env, ...this.extraEnv, DISPLAY: this.x.display, XDG_DATA_HOME: join(this.home, 'data'),
                  XDG_CONFIG_HOME: join(this.home, 'config'), GDK_BACKEND: 'x11', NO_AT_BRIDGE: '1' };
    // GDK_SCALE gives a HiDPI screen: devicePixelRatio 2.
    if (this.scale !== 1)
      env.GDK_SCALE = String(this.scale);
    else
      delete env.GDK_SCALE;
    delete env.WAYLAND_DISPLAY;
    return env;
  }

  async start(width, height, scale) {
    this.scale = scale;
    for (const d of ['data', 'config'])
      mkdirSync(join(this.home, d), { mode: 0o700 });
    this.x = await startXvfb(Math.max(2600, (1920 + 200) * scale), Math.max(1700, (1180 + 200) * scale));
    const port = await freePort();
    const base = `http://127.0.0.1:${port}`;
    this.server = spawn(BINARIES.webkit, [`--port=${port}`], { env: this.env, stdio: ['ignore', 'pipe', 'pipe'] });
    this.server.stdout.on('data', (d) => this.log += d);
    this.server.stderr.on('data', (d) => this.log += d);
    await waitForServer(base, 5000).catch((e) => {
      throw new Error(`WebKitWebDriver did not answer (${e.message}): ${this.log}`);
    });
    // Without the environment's SELENIUM_* settings: always this driver.
    this.driver = await new Builder().disableEnvironmentOverrides().usingServer(base).withCapabilities({
      browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
    }).build();
    this.version = 'WebKitGTK ' + (await this.driver.getCapabilities()).get('browserVersion');
    await this.driver.manage().setTimeouts({ script: 60000, pageLoad: 60000 });
    this.window = (await run('xdotool', ['search', '--sync', '--onlyvisible', '--class', 'MiniBrowser'],
                             { env: this.env })).stdout.trim().split('\n')[0];
    await this.resize(width, height);
  }

  async open(url) {
    await this.driver.get(url);
    await this.collect();
  }

  async reload() {
    await this.driver.navigate().refresh();
    await this.collect();
  }

  async collect() {
    await this.driver.executeScript(COLLECTOR);
  }

  // Runs `fn` in the page; a promise it returns is awaited.
  async evaluate(fn, ...args) {
    const script = `const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn}).apply(null, Array.prototype.slice.call(arguments, 0, -1)))
        .then((v) => done({ value: v === undefined ? null : v }), (e) => done({ error: String(e && e.stack || e) }));`;
    const r = await this.driver.executeAsyncScript(script, ...args);
    if (r.error)
      throw new Error('in the page: ' + r.error);
    return r.value;
  }

  // Each gesture on its own, nothing left pressed after it.
  async actions(make) {
    const actions = this.driver.actions({ async: true });
    await make(actions).perform();
    await actions.clear();
  }

  click(x, y) {
    return this.actions((a) => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 })
      .press().release());
  }

  press(key) {
    const value = KEYS[key] || key;
    return this.actions((a) => a.keyDown(value).keyUp(value));
  }

  metrics() {
    return this.evaluate(() => ({ innerWidth, innerHeight, devicePixelRatio }));
  }

  // The window is set so that the view is width × height CSS px: the
  // window's rect is in CSS px too, the toolbar's height taken from what the
  // view became. Not narrower than WEBKIT_MIN_WIDTH.
  async resize(width, height) {
    this.view = { width, height };
    for (let i = 0; i < 4; i++) {
      const rect = await this.driver.manage().window().getRect();
      const m = await this.metrics();
      if (m.innerWidth === width && m.innerHeight === height)
        return;
      await this.driver.manage().window().setRect({
        x: 0, y: 0, width: rect.width + width - m.innerWidth, height: rect.height + height - m.innerHeight,
      });
      await sleep(100);
    }
  }

  // WebKit's own page zoom, Ctrl+plus on the window as a user presses it:
  // steps of 20 % compounded (120 %, 144 %, 173 %, 207 %), until the zoom is
  // at least `factor`. WebKit lays the page out in a view smaller by the
  // zoom and scales its painting, while devicePixelRatio stays the screen's.
  async zoom(factor) {
    const before = await this.metrics();
    let now = before;
    while (before.innerWidth / now.innerWidth < factor - 0.01) {
      const width = now.innerWidth;
      // Sent to the focused window through XTEST: GTK ignores the synthetic
      // events of `xdotool key --window`.
      await run('xdotool', ['windowfocus', '--sync', this.window, 'key', 'ctrl+plus'], { env: this.env });
      for (let i = 0; i < 100 && (now = await this.metrics()).innerWidth === width; i++)
        await sleep(20);
      if (now.innerWidth === width)
        throw new Error('Ctrl+plus did not zoom the page');
    }
    return { zoom: before.innerWidth / now.innerWidth, ...now };
  }

  async screenshot() {
    return decodePng(Buffer.from(await this.driver.takeScreenshot(), 'base64'));
  }

  async problems() {
    let inPage = [];
    try {
      inPage = await this.evaluate(() => window.__godoProblems || ['no collector in the page']);
    } catch (e) {
      inPage = ['the page could not be read: ' + e.message];
    }
    return inPage;
  }

  clearProblems() {
    return this.evaluate(() => { window.__godoProblems.length = 0; });
  }

  // What the console reports while `url` loads, from the first line of the
  // page's scripts on: MiniBrowser outside automation writes its console to
  // stderr (in automation mode it does not), unbuffered through stdbuf so
  // that nothing is lost when it is ended. Nothing in it tells that the page
  // is done: it runs until its window bears the page's title (parsed before
  // the page's scripts run; seconds after the window shows here), then
  // `settle` ms more; the lesson's first figure comes within 40 ms of its
  // script's start.
  async problemsAtLoad(url, ready, settle = 1000) {
    let out = '';
    const browser = spawn('stdbuf', ['-o0', '-e0', MINIBROWSER, '--enable-write-console-messages-to-stdout=true', url],
                          { env: this.env, stdio: ['ignore', 'pipe', 'pipe'] });
    browser.stdout.on('data', (d) => out += d);
    browser.stderr.on('data', (d) => out += d);
    try {
      const titled = async () => {
        const ids = await run('xdotool', ['search', '--pid', String(browser.pid)], { env: this.env })
          .then((r) => r.stdout.trim().split('\n'), () => []);
        for (const id of ids.filter(Boolean)) {
          const name = await run('xdotool', ['getwindowname', id], { env: this.env }).then((r) => r.stdout.trim(), () => '');
          if (name && !/^(WebKitGTK )?MiniBrowser$/.test(name))
            return true;
        }
        return false;
      };
      for (let i = 0; !(await titled()); i++) {
        if (i > 300)
          throw new Error('MiniBrowser showed no page title in 30 s: ' + out);
        await sleep(100);
      }
      await sleep(settle);
    } finally {
      await stopped(browser);
    }
    return out.split('\n').filter((l) => /(^|\s)CONSOLE (.*)?(ERROR|WARN)/.test(l));
  }

  async close() {
    try {
      if (this.driver)
        await this.driver.quit().catch(() => {});
    } finally {
      await stopped(this.server);
      if (this.x)
        await stopped(this.x.process);
      rmSync(this.home, { recursive: true, force: true, maxRetries: 5 });
    }
  }
}
