// The browser version's timings in Debian's headless chromium:
//  - first figure: from navigation of file://…/godojoken.html to the figure
//    drawn (the page's mark 'godo-first-figure', taken once the load step's
//    drawing is in the picture and the window is laid out and shown), over
//    RUNS navigations, each in a new tab of one browser;
//  - one click: the page's measure 'godo-event' around one event (the core's
//    handler with both passes, and the figure's SVG made anew), for CLICKS clicks of
//    「右回転」/「左回転」 with every overlay on, and of 「仮定」;
//  - a re-fit: from the view's resize event to the window laid out at its
//    new scale (the page's handler, then style and layout forced), and to the
//    frame's animation callbacks (the same frame: resize comes first), over the classroom's view sizes in turn, FITS times.
// Usage: node bench/web_timing.mjs build-web/godojoken.html
// With ENGINES=chromium,firefox,webkit (any of them), only the first figure
// instead, in each engine named (tests/web/lib/engines.mjs), over RUNS
// navigations of one tab after one first. Given more than one page
// (node bench/web_timing.mjs old.html new.html), they take turns in the
// same tab, so that two builds are compared in the same conditions.
// Needs the test tools: tests/web/run-browser-tests.sh --install (`make bench-web` does both).

import { pathToFileURL } from 'node:url';
import { resolve } from 'node:path';
import { statSync } from 'node:fs';
import { launch } from '../tests/web/lib/browser.mjs';
import { launchEngine } from '../tests/web/lib/engines.mjs';

const pages = (process.argv.length > 2 ? process.argv.slice(2) : ['build-web/godojoken.html']).map((p) => resolve(p));
const page = pages[0];
const RUNS = Number(process.env.RUNS || 20);
const CLICKS = Number(process.env.CLICKS || 200);
const FITS = Number(process.env.FITS || 20);

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const m = s.length >> 1;
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const quantile = (xs, q) => [...xs].sort((a, b) => a - b)[Math.min(xs.length - 1, Math.floor(q * xs.length))];
const fmt = (x) => x.toFixed(2);

if (process.env.ENGINES) {
  for (const name of process.env.ENGINES.split(',')) {
    const engine = await launchEngine(name, { width: 1366, height: 768 });
    try {
      const first = pages.map(() => []);
      for (let i = 0; i <= RUNS; i++) {
        for (const [n, p] of pages.entries()) {
          await engine.open(pathToFileURL(p).href);
          let t = null;
          for (let k = 0; k < 600 && t === null; k++) {
            t = await engine.evaluate(() => {
              const m = performance.getEntriesByName('godo-first-figure')[0];
              return m ? m.startTime : null;
            });
            if (t === null)
              await new Promise((r) => setTimeout(r, 20));
          }
          if (i > 0)
            first[n].push(t);
        }
      }
      for (const [n, p] of pages.entries())
        console.log(`${name} (${engine.version}): ${p} (${statSync(p).size} bytes): first figure from file://, ` +
                    `median of ${RUNS}: ${fmt(median(first[n]))} ms ` +
                    `(min ${fmt(Math.min(...first[n]))}, max ${fmt(Math.max(...first[n]))})`);
    } finally {
      await engine.close();
    }
  }
  process.exit(0);
}

const browser = await launch();
try {
  const url = pathToFileURL(page).href;
  // One navigation first, so that the figures are of a browser already running.
  // The page's marks in the order it sets them, and what lies before each.
  const PHASES = [
    ['godo-script', 'navigation, the page parsed, the core\'s script run'],
    ['godo-core-ready', 'the wasm decoded, compiled and instantiated'],
    ['godo-window-built', 'the window built from the layout'],
    ['godo-figure-rendered', 'the load step (Form1::load) and the first figure as SVG'],
    ['godo-first-figure', 'the window shown and laid out, focus on the picture area'],
  ];
  const phases = PHASES.map(() => []);
  const first = [];
  const painted = []; // first-contentful-paint, where headless chromium reports it
  for (let i = 0; i <= RUNS; i++) {
    const tab = await browser.newPage();
    await tab.goto(url);
    await tab.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
    const t = await tab.evaluate((names) => {
      const at = (n) => performance.getEntriesByName(n)[0].startTime;
      const paint = performance.getEntriesByName('first-contentful-paint')[0];
      return { marks: names.map(at), paint: paint ? paint.startTime : null };
    }, PHASES.map((p) => p[0]));
    if (i > 0) {
      first.push(t.marks[t.marks.length - 1]);
      t.marks.forEach((m, k) => phases[k].push(k ? m - t.marks[k - 1] : m));
      if (t.paint !== null)
        painted.push(t.paint);
    }
    await tab.close();
  }

  const tab = await browser.newPage();
  await tab.goto(url);
  await tab.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
  const click = async (name) => {
    await tab.click('#' + name);
    return tab.evaluate(() => performance.getEntriesByName('godo-event', 'measure')[0].duration);
  };
  // The whole lesson, so every overlay is on.
  await click('katei');
  await click('migi');
  await tab.focus('#keturon-field');
  await tab.keyboard.press('ArrowDown'); // ＡＰ＝ＢＱ
  await click('sankaku');
  await click('henkaku');
  await click('godo');
  const turns = [];
  for (let i = 0; i < CLICKS; i++)
    turns.push(await click(i % 40 < 20 ? 'migi' : 'hidari'));
  const katei = [];
  for (let i = 0; i < CLICKS / 4; i++)
    katei.push(await click('katei'));

  // Re-fits: the page is already whole, so a resize is style and layout of
  // the window at its new unit, and the browser's paint of it.
  await tab.evaluate(() => {
    window.fits = [];
    // A capturing listener runs before the page's own, this one after it.
    let t0 = 0;
    addEventListener('resize', () => { t0 = performance.now(); }, { capture: true });
    addEventListener('resize', () => {
      document.getElementById('lesson').getBoundingClientRect();
      const laidOut = performance.now() - t0;
      requestAnimationFrame(() => fits.push([laidOut, performance.now() - t0]));
    });
  });
  const cdp = await tab.createCDPSession();
  const views = [[1920, 1080], [1366, 768], [1180, 820], [820, 1180], [390, 844]];
  for (let i = 0; i < FITS * views.length; i++) {
    const [width, height] = views[i % views.length];
    const n = i + 1;
    await cdp.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 1, mobile: false });
    await tab.waitForFunction((n) => fits.length >= n, {}, n);
  }
  const fits = await tab.evaluate(() => fits);

  const size = statSync(page).size;
  console.log(`chromium ${await browser.version()}, ${RUNS} navigations, ${CLICKS} turns`);
  console.log(`first figure: median ${fmt(median(first))} ms, min ${fmt(Math.min(...first))}, ` +
              `90th percentile ${fmt(quantile(first, 0.9))}, max ${fmt(Math.max(...first))}`);
  // Each step's own median: they need not add up to the median of the whole.
  PHASES.forEach(([name, what], k) =>
    console.log(`  ${fmt(median(phases[k])).padStart(7)} ms  ${what} (until ${name})`));
  if (painted.length)
    console.log(`first contentful paint: median ${fmt(median(painted))} ms over ${painted.length} runs that reported it`);
  console.log(`one click (turn, every overlay on): median ${fmt(median(turns))} ms, ` +
              `90th percentile ${fmt(quantile(turns, 0.9))}, max ${fmt(Math.max(...turns))}`);
  console.log(`one click (「仮定」 on/off): median ${fmt(median(katei))} ms`);
  console.log(`re-fit after a resize: layout median ${fmt(median(fits.map((f) => f[0])))} ms, ` +
              `max ${fmt(Math.max(...fits.map((f) => f[0])))}; to the frame's callbacks median ` +
              `${fmt(median(fits.map((f) => f[1])))} ms, max ${fmt(Math.max(...fits.map((f) => f[1])))} (${fits.length} resizes)`);
  console.log(`godojoken.html: ${size} bytes (${fmt(size / 1024)} KiB)`);
} finally {
  await browser.close();
}
