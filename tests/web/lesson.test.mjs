// The whole lesson with real clicks and keys, read back from the core's
// state, the controls and the figure's pixels at places worked out from the
// construction.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch } from './lib/browser.mjs';
import { openLesson, click, state, enabled, fieldText, pixel, countColour, near, figureColours } from './lib/lesson.mjs';
import { construction, between, crossings } from './lib/geometry.mjs';

const UNLOCKED = ['hidari', 'migi', 'keturon', 'sankaku', 'henkaku', 'godo'];
const unlocked = async (page) => {
  const out = [];
  for (const name of UNLOCKED)
    if (await enabled(page, name))
      out.push(name);
  return out;
};
// The figure as the page holds it: every element with every attribute.
const figureImage = (page) => page.$eval('#gamen svg', (s) => s.outerHTML);

let browser, page, startImage, colours, A, B, M, onLineN;
before(async () => {
  browser = await launch();
  page = await openLesson(browser);
  ({ A, B, M, onLineN } = construction(await state(page)));
  startImage = await figureImage(page);
  colours = await figureColours(page);
});
after(async () => browser && browser.close());

test('start: the base figure, and only 「仮定」「印刷」「最初」「終了」 usable', async () => {
  const s = await state(page);
  assert.deepEqual([s.kakudo, s.Px, s.Qx, s.fKatei, s.nKeturon], [35, 1647, 7353, 0, 0]);
  assert.deepEqual(await unlocked(page), []);
  for (const name of ['katei', 'Command1', 'saisyo', 'owari'])
    assert.ok(await enabled(page, name), name);
  assert.ok(near(await pixel(page, ...onLineN(35, 1500)), colours.red), 'line ｎ red');
  assert.ok(near(await pixel(page, ...onLineN(35, -2500)), colours.red), 'line ｎ red');
  assert.ok(near(await pixel(page, 3000, 2000), colours.white), 'line ｌ white');
  assert.ok(near(await pixel(page, ...between(A, B, 0.25)), colours.white), 'ＡＢ white');
  assert.ok(near(await pixel(page, 8000, 7000), colours.cyan), 'area cyan');
  assert.ok(near(await pixel(page, 5735, 3000), colours.white), 'no tick yet on ＡＭ');
  // Texts hang below the point they are printed at: 「Ａ」 at (6900, 1700) fills
  // its 15-pt cell of 300 twips, and nothing of it shows above the cell.
  assert.ok(await countColour(page, [6900, 1700, 7200, 1950], colours.white) > 30, 'Ａ in its cell, above line ｌ');
  assert.equal(await countColour(page, [6900, 1400, 7200, 1690], colours.white), 0, 'nothing above the cell');
});

test('「仮定」 marks the hypothesis in yellow and unlocks the turning buttons', async () => {
  await click(page, 'katei');
  assert.equal((await state(page)).fKatei, 1);
  assert.ok(near(await pixel(page, 5735, 3000), colours.yellow), 'tick on ＡＭ');
  assert.ok(near(await pixel(page, 3235, 5000), colours.yellow), 'tick on ＢＭ');
  assert.deepEqual(await unlocked(page), ['hidari', 'migi']);
});

test('「右回転」 turns ｎ by 5 degrees and erases it where it was', async () => {
  await click(page, 'migi');
  const s = await state(page);
  const { Px, Qx } = crossings(40);
  assert.deepEqual([s.kakudo, s.Px, s.Qx], [40, Px, Qx]);
  assert.ok(near(await pixel(page, ...onLineN(40, 2500)), colours.red), 'ｎ at 40°');
  assert.ok(near(await pixel(page, ...onLineN(35, 2500)), colours.cyan), 'nothing left at 35°');
  assert.deepEqual(await unlocked(page), ['hidari', 'migi', 'keturon']);
});

test('「左回転」 with the keyboard turns it back', async () => {
  await page.focus('#hidari');
  await page.keyboard.press('Space');
  assert.equal((await state(page)).kakudo, 35);
  assert.ok(near(await pixel(page, ...onLineN(35, 2500)), colours.red));
});

test('a conclusion chosen from the list with the mouse is marked and unlocks 「注目する三角形」', async () => {
  await click(page, 'keturon .open');
  await page.waitForSelector('#keturon-list:not([hidden])');
  await click(page, 'keturon-entry-2');
  assert.equal(await fieldText(page), 'ＰＭ＝ＱＭ');
  assert.equal((await state(page)).nKeturon, 2);
  assert.ok(await page.$eval('#keturon-list', (l) => l.hidden));
  // Double rings on ＰＭ and ＱＭ: red around their middles.
  const P = [1647, 2000], Q = [7353, 6000];
  for (const [x, y] of [between(P, M, 0.5), between(Q, M, 0.5)])
    assert.ok(await countColour(page, [x - 200, y - 200, x + 200, y + 200], colours.red) > 40, 'rings');
  assert.deepEqual(await unlocked(page), ['hidari', 'migi', 'keturon', 'sankaku']);
});

test('「注目する三角形」 outlines △ＡＰＭ in blue and △ＢＱＭ in green', async () => {
  await click(page, 'sankaku');
  assert.ok(near(await pixel(page, ...between(A, M, 0.25)), colours.blue), 'ＡＭ blue');
  assert.ok(near(await pixel(page, ...between(B, M, 0.25)), colours.green), 'ＢＭ green');
  assert.ok(near(await pixel(page, 4500, 2000), colours.blue), 'ＡＰ blue');
  assert.ok(near(await pixel(page, 5000, 6000), colours.green), 'ＢＱ green');
  assert.ok(await enabled(page, 'henkaku'));
});

test('「等しい辺・角」 and 「合同条件」: the marks, then the sentence below ｍ', async () => {
  const sentence = [2000, 6700, 7000, 7000];
  assert.equal(await countColour(page, sentence, colours.white), 0);
  await click(page, 'henkaku');
  assert.equal((await state(page)).fHenkaku, 1);
  assert.ok(await enabled(page, 'godo'));
  await click(page, 'godo');
  assert.equal((await state(page)).fGodo, 1);
  assert.ok(await countColour(page, sentence, colours.white) > 300, 'the sentence is written');
  assert.match(await page.$eval('#gamen-description', (d) => d.textContent), /合同条件：表示。$/);
});

test('a second click turns an overlay off and keeps what it unlocked', async () => {
  await click(page, 'katei');
  assert.equal((await state(page)).fKatei, 0);
  assert.ok(near(await pixel(page, 5735, 3000), colours.blue), 'the tick is gone, the outline shows');
  assert.deepEqual(await unlocked(page), UNLOCKED);
});

test('「最初」 gives the state, the controls and the figure of the start', async () => {
  await click(page, 'saisyo');
  const s = await state(page);
  assert.deepEqual([s.kakudo, s.fKatei, s.fSankaku, s.fHenkaku, s.fGodo, s.nKeturon, s.Px, s.Qx],
                   [35, 0, 0, 0, 0, 0, 1647, 7353]);
  assert.equal(await fieldText(page), '\u3000\u3000\u3000\u3000結論');
  assert.deepEqual(await unlocked(page), []);
  assert.equal(await figureImage(page), startImage);
  assert.deepEqual(page.problems, []);
});

test('turning to the ends: 0 and 170 are reached, never passed', async () => {
  await click(page, 'katei');
  for (let i = 0; i < 8; i++)
    await click(page, 'hidari');
  let s = await state(page);
  assert.deepEqual([s.kakudo, s.Px, s.Qx], [0, -18164, 27164]);
  assert.ok(near(await pixel(page, 1000, 4000), colours.red), 'ｎ parallel to ｌ and ｍ');
  for (let i = 0; i < 35; i++)
    await click(page, 'migi');
  s = await state(page);
  assert.deepEqual([s.kakudo, s.Px, s.Qx], [170, 15796, -6796]);
  assert.deepEqual(page.problems, []);
});
