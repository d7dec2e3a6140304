// Printing: 「印刷」 hands the page to the browser's print dialog and changes
// nothing; on paper the window alone fills a landscape page, every control
// on it, the figure drawn as vectors at the printer's resolution.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch } from './lib/browser.mjs';
import { openLesson, click, state, drawingVersion, enabled } from './lib/lesson.mjs';
import { decodePpm } from './lib/images.mjs';

const MM_PER_POINT = 25.4 / 72;
const MARGIN_MM = 10;

// The window's size in pixels, from the core's layout.
let browser, page, dir, W, H;
before(async () => {
  browser = await launch();
  page = await openLesson(browser);
  ({ width: W, height: H } = await page.evaluate(() => godojoken.core.layout()));
  dir = mkdtempSync(join(tmpdir(), 'godo-print-'));
  for (const name of ['katei', 'migi'])
    await click(page, name);
});
after(async () => {
  if (browser)
    await browser.close();
  rmSync(dir, { recursive: true, force: true });
});

test('「印刷」 opens the browser\'s print dialog once and changes nothing', async () => {
  await page.evaluate(() => {
    window.printed = 0;
    window.print = () => ++window.printed;
  });
  const before = [await state(page), await drawingVersion(page), await enabled(page, 'keturon')];
  await click(page, 'Command1');
  await click(page, 'Command1');
  assert.equal(await page.evaluate(() => window.printed), 2);
  assert.deepEqual([await state(page), await drawingVersion(page), await enabled(page, 'keturon')], before);
});

test('on paper the figure stays lines, circles and text: no image on the page', async () => {
  const pdf = join(dir, 'vectors.pdf');
  writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
  const images = execFileSync('pdfimages', ['-list', pdf], { encoding: 'utf8' }).trim().split('\n');
  assert.deepEqual(images.slice(2), [], 'pdfimages lists no image below its two header lines');
});

// The page as pdftoppm rasterises it, and the olive window's box on it.
function rasterise(pdf, dpi) {
  const ppm = execFileSync('pdftoppm', ['-r', String(dpi), '-f', '1', '-l', '1', '-singlefile', pdf],
                             { maxBuffer: 128 << 20 });
  const img = decodePpm(ppm);
  let l = img.width, t = img.height, r = -1, b = -1;
  for (let y = 0; y < img.height; y++)
    for (let x = 0; x < img.width; x++) {
      const [R, G, B] = img.at(x, y);
      if (Math.abs(R - 128) < 8 && Math.abs(G - 128) < 8 && B < 8) {
        l = Math.min(l, x); t = Math.min(t, y); r = Math.max(r, x); b = Math.max(b, y);
      }
    }
  return { img, box: { l, t, r: r + 1, b: b + 1 } };
}

function pdfInfo(pdf) {
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  const size = info.match(/Page size:\s+([\d.]+) x ([\d.]+) pts/);
  return { pages: Number(info.match(/Pages:\s+(\d+)/)[1]), width: Number(size[1]), height: Number(size[2]) };
}

for (const format of ['A4', 'Letter']) {
  test(`on ${format} paper: one landscape page holding the whole window, scaled to fit`, async () => {
    const pdf = join(dir, format + '.pdf');
    writeFileSync(pdf, await page.pdf({ format, preferCSSPageSize: true }));
    const info = pdfInfo(pdf);
    assert.equal(info.pages, 1);
    assert.ok(info.width > info.height, `landscape: ${info.width} × ${info.height} pt`);

    const { img, box } = rasterise(pdf, 72); // one pixel to the point
    const w = box.r - box.l, h = box.b - box.t;
    assert.ok(Math.abs(w / h - W / H) < 0.01, `the window's proportions: ${w} × ${h}`);
    const availW = info.width * MM_PER_POINT - 2 * MARGIN_MM;
    const availH = info.height * MM_PER_POINT - 2 * MARGIN_MM;
    const fill = Math.max((w * MM_PER_POINT) / availW, (h * MM_PER_POINT) / availH);
    assert.ok(fill > 0.98 && fill < 1.01, `fills the page's width or height: ${fill.toFixed(3)}`);
    assert.ok(box.l * MM_PER_POINT > MARGIN_MM - 1 && box.t * MM_PER_POINT > MARGIN_MM - 1, 'within the margins');

    // Inside: the picture area's cyan and the buttons' faces; around it, paper.
    const at = (x, y) => img.at(Math.round(box.l + (x / W) * w), Math.round(box.t + (y / H) * h));
    assert.deepEqual(at(300, 300).map((v) => Math.round(v / 8)), [0, 16, 16], 'the figure\'s cyan');
    for (const [x, y] of [[676, 36], [676, 396], [676, 492]])
      assert.ok(at(x, y).every((v) => v > 200), `a button at ${x}, ${y}`);
    assert.deepEqual(img.at(5, 5), [255, 255, 255]);
    assert.deepEqual(img.at(img.width - 5, img.height - 5), [255, 255, 255]);
  });
}

test('on paper the figure\'s lines have sharp edges at 300 dpi', async () => {
  const pdf = join(dir, 'A4.pdf');
  const { img, box } = rasterise(pdf, 300);
  const w = box.r - box.l, h = box.b - box.t;
  // Down a column crossing line ｌ (at 2000 twips, 133 px below the area's top).
  const x = Math.round(box.l + (300 / W) * w);
  const y0 = Math.round(box.t + ((16 + 2 + 120) / H) * h), y1 = Math.round(box.t + ((16 + 2 + 148) / H) * h);
  let white = 0, blended = 0;
  for (let y = y0; y < y1; y++) {
    const [r] = img.at(x, y);
    if (r > 240) ++white;
    else if (r > 15) ++blended;
  }
  assert.ok(white >= 12, `the line is ${white} pixels wide at 300 dpi`);
  assert.ok(blended <= 4, `${blended} blended pixels at its edges`);
});
