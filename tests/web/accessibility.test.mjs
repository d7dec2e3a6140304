// What a screen reader finds: the buttons and the combo box by their names,
// the list and the turning buttons labelled by the captions above them, the
// picture as an image whose description follows every draw pass.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { launch } from './lib/browser.mjs';
import { openLesson, click, toLastStep, PAGE_URL } from './lib/lesson.mjs';

const AXE = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const SCHEMES = ['standard', 'cud', 'white-on-black', 'yellow-on-black', 'paper'];
// In the standard scheme the lesson's own colours stay as they are: white
// captions on the olive window (4.19 : 1).
const LESSON_OWN_COLOURS = ['#Label1', '#Label3'];

let browser, page;
before(async () => {
  browser = await launch();
  page = await openLesson(browser);
});
after(async () => browser && browser.close());

// axe-core's serious and critical findings on the page as it is now, and
// whether it could check colour contrast at all (it cannot on a page it
// takes to be off screen).
async function audit(p, scheme) {
  await p.evaluate(AXE);
  const r = await p.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
  const contrastChecked = !r.inapplicable.some((rule) => rule.id === 'color-contrast');
  const own = (rule, n) => scheme === 'standard' && rule.id === 'color-contrast'
    && LESSON_OWN_COLOURS.includes(n.target.join(' '));
  const found = r.violations.filter((v) => ['serious', 'critical'].includes(v.impact))
    .flatMap((v) => v.nodes.filter((n) => !own(v, n)).map((n) => v.id + ' ' + n.target.join(' ')));
  return { contrastChecked, found };
}

const node = async (selector, p = page) =>
  p.accessibility.snapshot({ root: await p.$(selector), interestingOnly: false });

// With ruby on, each name is still read once: the readings are not in it.
for (const [label, hash] of [['', ''], [', with ruby', '#ruby=on']]) {
  test('every push button is a button named by its caption; disabled ones say so' + label, async () => {
    // A context of its own: the link's setting is kept on the device.
    const context = hash && await browser.createBrowserContext();
    const p = hash ? await openLesson(context, PAGE_URL + hash) : page;
    const expected = {
      katei: ['仮定', false], hidari: ['左回転', true], migi: ['右回転', true], sankaku: ['注目する三角形', true],
      henkaku: ['等しい辺・角', true], godo: ['合同条件', true], Command1: ['印刷', false],
      saisyo: ['最初', false], owari: ['終了', false],
    };
    for (const [id, [name, disabled]] of Object.entries(expected)) {
      const n = await node('#' + id, p);
      assert.deepEqual([n.role, n.name, Boolean(n.disabled)], ['button', name, disabled], id);
    }
    const field = await node('#keturon-field', p);
    assert.deepEqual([field.role, field.name, field.value], ['combobox', '証明の進め方', '\u3000\u3000\u3000\u3000結論']);
    if (hash)
      await context.close();
  });
}

test('the combo box and its list are labelled 「証明の進め方」', async () => {
  const field = await node('#keturon-field');
  assert.deepEqual([field.role, field.name, field.value, field.haspopup],
                   ['combobox', '証明の進め方', '\u3000\u3000\u3000\u3000結論', 'listbox']);
  // The list is in the tree while it is open.
  const p = await openLesson(browser);
  await click(p, 'katei');
  await click(p, 'migi');
  await click(p, 'keturon .open');
  const list = await p.accessibility.snapshot({ root: await p.$('#keturon-list'), interestingOnly: false });
  assert.deepEqual([list.role, list.name], ['listbox', '証明の進め方']);
  assert.deepEqual(list.children.map((o) => [o.role, o.name]),
                   [['option', '　　　　結論'], ['option', 'ＡＰ＝ＢＱ'], ['option', 'ＰＭ＝ＱＭ'],
                    ['option', '∠APM＝∠BQM']]);
  await p.close();
});

test('the turning buttons are a group labelled 「直線ｎの移動」', async () => {
  const group = await node('#hidari');
  assert.equal(group.role, 'button');
  const parent = await page.$eval('#hidari', (b) => [b.parentElement.getAttribute('role'),
                                                    b.parentElement.contains(document.getElementById('migi'))]);
  assert.deepEqual(parent, ['group', true]);
  const box = await page.evaluateHandle(() => document.getElementById('hidari').parentElement);
  const g = await page.accessibility.snapshot({ root: box, interestingOnly: false });
  assert.deepEqual([g.role, g.name], ['group', '直線ｎの移動']);
});

test('the picture is an image 「図形」 described as the desktop describes it, after every draw pass', async () => {
  let img = await node('#gamen');
  assert.deepEqual([img.role, img.name], ['image', '図形']);
  assert.equal(img.description, '平行な直線ｌとｍ、線分ＡＢとその中点Ｍ、Ｍを通る直線ｎ（35度）。'
    + '直線ｎとｌの交点Ｐ、ｍとの交点Ｑ。仮定の印：なし。結論：なし。注目する三角形：なし。'
    + '等しい角の印：なし。合同条件：なし。');
  await click(page, 'katei');
  await click(page, 'migi');
  // The overlay buttons say whether their marks are shown.
  assert.deepEqual(await page.$$eval('#katei, #sankaku, #henkaku, #godo', (bs) => bs.map((b) => b.ariaPressed)),
                   ['true', 'false', 'false', 'false']);
  img = await node('#gamen');
  assert.match(img.description, /直線ｎ（40度）。/);
  assert.match(img.description, /仮定の印：表示。/);
});

test('the description is read once, as the picture\'s, not again as text of the page', async () => {
  const snapshot = JSON.stringify(await page.accessibility.snapshot({ interestingOnly: true }));
  assert.equal(snapshot.split('平行な直線ｌとｍ').length - 1, 1);
});

for (const scheme of SCHEMES) {
  test(`axe-core: no serious or critical finding in ${scheme}, at load, with the support menu open and at the last step`, async () => {
    const context = await browser.createBrowserContext();
    const p = await openLesson(context, PAGE_URL + '#colors=' + scheme);
    assert.deepEqual(await audit(p, scheme), { contrastChecked: true, found: [] }, 'at load');
    await p.keyboard.press('ContextMenu');
    assert.deepEqual(await audit(p, scheme), { contrastChecked: true, found: [] }, 'menu open');
    await p.keyboard.press('Escape');
    await toLastStep(p);
    assert.deepEqual(await audit(p, scheme), { contrastChecked: true, found: [] }, 'at the last step');
    assert.deepEqual(p.problems, []);
    await context.close();
  });
}
