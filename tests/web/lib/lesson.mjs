// Opening the lesson's page and reading it back: the core's state through
// the page's face, the canvas's pixels, the controls' boxes.

import { join, resolve, dirname } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
export const WEB_DIR = process.env.GODO_WEB_DIR || resolve(here, '../../../build-web');
export const PAGE = join(WEB_DIR, 'godojoken.html');
export const PAGE_URL = pathToFileURL(PAGE).href;

// Opens the page in a new tab and waits for the first figure. `problems`
// collects the page's errors and console errors: a test expects it empty.
export async function openLesson(browser, url = PAGE_URL, before = async () => {}) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('pageerror', (e) => page.problems.push('pageerror: ' + e.message));
  page.on('console', (m) => {
    if (m.type() === 'error' || m.type() === 'warning')
      page.problems.push('console ' + m.type() + ': ' + m.text());
  });
  await before(page);
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
  return page;
}

export const state = (page) => page.evaluate(() => godojoken.lesson.face.state());
export const drawingVersion = (page) => page.evaluate(() => godojoken.lesson.face.drawingVersion());
export const fieldText = (page) => page.$eval('#keturon-field', (e) => e.value);
export const enabled = (page, name) => page.evaluate((n) => {
  const el = document.getElementById(n);
  return !(el.querySelector('input') || el).disabled;
}, name);

// A real click in the middle of the control.
export async function click(page, name) {
  const box = await (await page.$('#' + name)).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

// The colour of the canvas at a point of the figure, in twips on the picture
// area, read from its backing store.
export function pixel(page, x, y) {
  return page.evaluate((x, y) => {
    const canvas = document.getElementById('gamen');
    const scale = canvas.width / canvas.clientWidth;
    const px = Math.floor((x / 15) * scale);
    const py = Math.floor((y / 15) * scale);
    return Array.from(canvas.getContext('2d').getImageData(px, py, 1, 1).data.slice(0, 3));
  }, x, y);
}

// How many pixels of the canvas in a box of twips have the colour.
export function countColour(page, [x0, y0, x1, y1], colour, tolerance = 40) {
  return page.evaluate((x0, y0, x1, y1, colour, tolerance) => {
    const canvas = document.getElementById('gamen');
    const scale = canvas.width / canvas.clientWidth;
    const l = Math.floor((x0 / 15) * scale), t = Math.floor((y0 / 15) * scale);
    const w = Math.ceil(((x1 - x0) / 15) * scale), h = Math.ceil(((y1 - y0) / 15) * scale);
    const d = canvas.getContext('2d').getImageData(l, t, w, h).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4)
      if (Math.abs(d[i] - colour[0]) <= tolerance && Math.abs(d[i + 1] - colour[1]) <= tolerance
          && Math.abs(d[i + 2] - colour[2]) <= tolerance)
        ++n;
    return n;
  }, x0, y0, x1, y1, colour, tolerance);
}

// The colours of a screenshot at some points, decoded by the browser in a
// blank tab of its own.
export async function screenshotColours(page, points) {
  const png = await page.screenshot({ encoding: 'base64' });
  const blank = await page.browser().newPage();
  try {
    return await blank.evaluate(async (png, points) => {
      const img = new Image();
      img.src = 'data:image/png;base64,' + png;
      await img.decode();
      const c = document.createElement('canvas');
      c.width = img.width;
      c.height = img.height;
      const ctx = c.getContext('2d');
      ctx.drawImage(img, 0, 0);
      return points.map(([x, y]) => Array.from(ctx.getImageData(x, y, 1, 1).data.slice(0, 3)));
    }, png, points);
  } finally {
    await blank.close();
    await page.bringToFront();
  }
}

export function near(actual, expected, tolerance = 8) {
  return actual.every((v, i) => Math.abs(v - expected[i]) <= tolerance);
}

export const colours = {
  olive: [128, 128, 0],
  cyan: [0, 128, 128],
  white: [255, 255, 255],
  red: [255, 0, 0],
  blue: [0, 0, 255],
  green: [0, 255, 0],
  yellow: [255, 255, 0],
};
