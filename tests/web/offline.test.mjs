// Nothing leaves the device: from file:// with the network cut the lesson
// runs, asking for nothing but its own file; the page's policy refuses every
// connection; nothing of the lesson is stored. Served from this machine, the
// page is an installable app that keeps its own files and opens offline.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { cpSync, mkdtempSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { launch } from './lib/browser.mjs';
import { openLesson, click, state, toLastStep, PAGE_URL, WEB_DIR } from './lib/lesson.mjs';
import { serve } from './lib/serve.mjs';

let browser;
before(async () => browser = await launch());
after(async () => browser && browser.close());

// Every request the tab makes, data: and blob: included.
async function recordRequests(page) {
  const urls = [];
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  cdp.on('Network.requestWillBeSent', (e) => urls.push(e.request.url));
  return urls;
}

// The page's own faces, embedded in its script: data: URLs it decodes, which
// reach no network.
const embeddedFaces = async (page) => {
  const scripts = await page.$$eval('script', (ss) => ss.map((s) => s.textContent).join('\n'));
  const prefix = 'data:font/woff2;base64,';
  return (u) => u.startsWith(prefix) && scripts.includes('"' + u.slice(prefix.length) + '"');
};

async function wholeLesson(page) {
  await toLastStep(page);
  await click(page, 'saisyo');
}

test('from file:// with the network cut, the lesson runs and asks for nothing but its file', async () => {
  let urls;
  const page = await openLesson(browser, PAGE_URL, async (p) => {
    urls = await recordRequests(p);
    await p.setOfflineMode(true);
  });
  await wholeLesson(page);
  assert.equal((await state(page)).kakudo, 35);
  const ownFace = await embeddedFaces(page);
  assert.deepEqual(urls.filter((u) => !ownFace(u)), [PAGE_URL]);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the page\'s policy refuses a connection before it is made', async () => {
  const page = await openLesson(browser);
  const result = await page.evaluate(async () => {
    const violations = [];
    document.addEventListener('securitypolicyviolation', (e) => violations.push(e.effectiveDirective));
    let fetched = 'fetched';
    try {
      await fetch('http://127.0.0.1:9/');
    } catch (e) {
      fetched = 'refused';
    }
    await new Promise((r) => setTimeout(r, 50));
    return { fetched, violations };
  });
  assert.deepEqual(result, { fetched: 'refused', violations: ['connect-src'] });
  const policy = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (m) => m.content);
  assert.match(policy, /default-src 'none'/);
  assert.match(policy, /connect-src 'none'/);
  await page.close();
});

test('nothing of the lesson is stored: no cookie, no web storage (nothing chosen in the support menu), no database', async () => {
  const page = await openLesson(browser);
  await wholeLesson(page);
  const stored = await page.evaluate(async () => ({
    cookie: document.cookie,
    local: localStorage.length,
    session: sessionStorage.length,
    databases: (await indexedDB.databases()).length,
  }));
  assert.deepEqual(stored, { cookie: '', local: 0, session: 0, databases: 0 });
  await page.close();
});

test('served from this machine: an installable app that opens again offline', async () => {
  const server = await serve(join(WEB_DIR, 'site'));
  // The profile's own context: an incognito one cannot install an app.
  const page = await browser.newPage();
  try {
    const urls = await recordRequests(page);
    await page.goto(server.url);
    await page.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
    await page.evaluate(() => navigator.serviceWorker.ready);

    const cdp = await page.createCDPSession();
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    const app = JSON.parse(manifest.data);
    assert.equal(app.name, '三角形の合同条件');
    assert.equal(app.display, 'standalone');
    assert.equal(app.orientation, undefined, 'either way up');
    const installability = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installability.installabilityErrors, []);

    // Only its own files, all from this server.
    const own = new Set(['', 'index.html', 'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png',
                         'service-worker.js'].map((f) => server.url + f));
    const ownFace = await embeddedFaces(page);
    for (const u of urls)
      assert.ok(own.has(u) || ownFace(u), 'asked for ' + u.slice(0, 80));

    server.stop();
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
    await click(page, 'katei');
    assert.equal((await state(page)).fKatei, 1);
  } finally {
    server.stop();
    await page.close();
  }
});

test('served: a new version of the page shows at the next start, not the kept copy', async () => {
  const site = mkdtempSync(join(tmpdir(), 'godo-site-'));
  cpSync(join(WEB_DIR, 'site'), site, { recursive: true });
  const server = await serve(site);
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  try {
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    // The server now has a new page; the worker still keeps the old one.
    const index = join(site, 'index.html');
    writeFileSync(index, readFileSync(index, 'utf8').replace('<meta name="referrer"', '<meta name="godo-version" content="2"><meta name="referrer"'));
    // The server's Last-Modified has whole seconds: a new page written within
    // the second of the first load would be answered "not modified".
    const later = new Date(Date.now() + 5000);
    utimesSync(index, later, later);
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
    assert.equal(await page.$eval('meta[name="godo-version"]', (m) => m.content).catch(() => 'the kept copy'), '2');
  } finally {
    server.stop();
    await context.close();
    rmSync(site, { recursive: true, force: true });
  }
});
