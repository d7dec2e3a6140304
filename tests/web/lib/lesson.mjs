// Opening the lesson's page and reading it back: the core's state through
// the page's face, the figure's pixels on screen, the controls' boxes.

import { join, resolve, dirname } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { decodePng } from './images.mjs';
import { lessonTables, pagePupil } from './pupil.mjs';

const here = dirname(fileURLToPath(import.meta.url));
// The shipped page, and the test build's beside it: the same page from a
// module with the hooks the suites read the lesson's state through.
export const SHIPPED_DIR = process.env.GODO_WEB_DIR || resolve(here, '../../../build-web');
export const SHIPPED_URL = pathToFileURL(join(SHIPPED_DIR, 'godojoken.html')).href;
export const WEB_DIR = join(SHIPPED_DIR, 'testing');
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

// A pupil's hands on a tab (see pupil.mjs), kept with the tab.
const pupilOf = (page) => page.pupil ??= pagePupil({
  evaluate: (...args) => page.evaluate(...args),
  click: (x, y) => page.mouse.click(x, y),
  press: (key) => page.keyboard.press(key),
});
export const state = (page) => pupilOf(page).state();
export const drawingVersion = (page) => page.evaluate(() => godojoken.lesson.face.drawingVersion());
export const fieldText = (page) => pupilOf(page).fieldText();
export const enabled = (page, name) => pupilOf(page).enabled(name);
// A real click in the middle of the control (an id, or an id and a selector
// inside it).
export const click = (page, name) => pupilOf(page).click(name);

// The lesson walked to its last step by real clicks and keys: the hypothesis,
// ｎ turned there and back, a conclusion, the triangles, the equal angles and
// the congruence condition.
export async function toLastStep(page) {
  for (const name of ['katei', 'migi', 'hidari'])
    await click(page, name);
  await page.focus('#keturon-field');
  await page.keyboard.press('ArrowDown');
  for (const name of ['sankaku', 'henkaku', 'godo'])
    await click(page, name);
}

// The core's colour schemes, each colour as [r, g, b].
export const colourSchemes = (page) => page.evaluate(() => JSON.parse(godojoken.core.support()).schemes);

// The figure as the screen shows it: a screenshot of a box of the picture
// area, given in twips, decoded. at(x, y) takes twips too.
export async function figureShot(page, [x0, y0, x1, y1]) {
  const svg = await page.$eval('#gamen svg', (e) => {
    const r = e.getBoundingClientRect();
    return { left: r.left, top: r.top, k: r.width / e.viewBox.baseVal.width };
  });
  const clip = {
    x: Math.floor(svg.left + x0 * svg.k), y: Math.floor(svg.top + y0 * svg.k),
    width: Math.max(1, Math.ceil((x1 - x0) * svg.k)), height: Math.max(1, Math.ceil((y1 - y0) * svg.k)),
  };
  const img = decodePng(Buffer.from(await page.screenshot({ clip })));
  const scale = img.width / clip.width; // device pixels to a CSS pixel
  return {
    img,
    at: (x, y) => img.at(Math.min(img.width - 1, Math.floor((svg.left + x * svg.k - clip.x) * scale)),
                         Math.min(img.height - 1, Math.floor((svg.top + y * svg.k - clip.y) * scale))),
  };
}

// The colour of the figure at a point, in twips on the picture area.
export async function pixel(page, x, y) {
  const shot = await figureShot(page, [x, y, x + 1, y + 1]);
  return shot.at(x, y);
}

// How many device pixels of the figure in a box of twips have the colour.
export async function countColour(page, box, colour, tolerance = 40) {
  const { img } = await figureShot(page, box);
  let n = 0;
  for (let y = 0; y < img.height; y++)
    for (let x = 0; x < img.width; x++)
      if (img.at(x, y).every((v, i) => Math.abs(v - colour[i]) <= tolerance))
        ++n;
  return n;
}

// The colours of a screenshot of the page at some points, in its pixels.
export async function screenshotColours(page, points) {
  const img = decodePng(Buffer.from(await page.screenshot()));
  return points.map(([x, y]) => img.at(x, y));
}

export function near(actual, expected, tolerance = 8) {
  return actual.every((v, i) => Math.abs(v - expected[i]) <= tolerance);
}

// The colours of the standard scheme's pens the figure draws in, by name,
// read from the core.
export async function figureColours(page) {
  const { pens } = (await colourSchemes(page)).find((s) => s.name === 'standard');
  return Object.fromEntries(Object.entries(lessonTables().pens).map(([name, pen]) => [name, pens[pen]]));
}
