// The conclusion list: only a choice runs its handler. The mouse in the open
// list and Up/Down in the closed field choose; Alt+Down opens the list;
// typing, Enter and leaving the field choose nothing; typing adds no entry.

import { test, before, after, beforeEach } from 'node:test';
import assert from 'node:assert/strict';
import { launch } from './lib/browser.mjs';
import { openLesson, click, state, enabled, fieldText, drawingVersion } from './lib/lesson.mjs';

const ENTRIES = ['\u3000\u3000\u3000\u3000結論', 'ＡＰ＝ＢＱ', 'ＰＭ＝ＱＭ', '∠APM＝∠BQM'];
const isOpen = (page) => page.$eval('#keturon-list', (l) => !l.hidden);
const expanded = (page) => page.$eval('#keturon-field', (f) => f.getAttribute('aria-expanded'));
const codePoints = (s) => [...s].map((c) => c.codePointAt(0).toString(16));

let browser, page;
before(async () => browser = await launch());
after(async () => browser && browser.close());
// Each case from the start of a lesson whose list is unlocked.
beforeEach(async () => {
  if (page)
    await page.close();
  page = await openLesson(browser);
  await click(page, 'katei');
  await click(page, 'migi');
  await page.focus('#keturon-field');
});

test('Down and Up in the closed field step to the next and the previous entry at once', async () => {
  const seen = [];
  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowUp']) {
    await page.keyboard.press(key);
    seen.push([await fieldText(page), (await state(page)).nKeturon]);
  }
  assert.deepEqual(seen, [[ENTRIES[1], 1], [ENTRIES[2], 2], [ENTRIES[3], 3], [ENTRIES[2], 2]]);
  assert.equal(await isOpen(page), false);
  assert.ok(await enabled(page, 'sankaku'));
});

test('nothing happens past the ends of the list', async () => {
  const v = await drawingVersion(page);
  await page.keyboard.press('ArrowUp');
  assert.equal(await drawingVersion(page), v, 'Up on the first entry');
  for (let i = 0; i < 3; i++)
    await page.keyboard.press('ArrowDown');
  const atEnd = await drawingVersion(page);
  await page.keyboard.press('ArrowDown');
  assert.equal(await drawingVersion(page), atEnd, 'Down on the last entry');
  assert.equal(await fieldText(page), ENTRIES[3]);
});

test('Alt+Down opens the list without a choice; the mouse chooses in it', async () => {
  const v = await drawingVersion(page);
  await page.keyboard.down('Alt');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.up('Alt');
  assert.equal(await isOpen(page), true);
  assert.equal(await expanded(page), 'true');
  assert.equal(await drawingVersion(page), v);
  await click(page, 'keturon-entry-3');
  assert.equal(await isOpen(page), false);
  assert.equal(await expanded(page), 'false');
  // A mouse's press leaves the field its usual keyboard: no inputmode at all.
  assert.equal(await page.$eval('#keturon-field', (f) => f.hasAttribute('inputmode')), false);
  // The ASCII letters between the full-width signs, read back from the field.
  assert.deepEqual(codePoints(await fieldText(page)), codePoints('∠APM＝∠BQM'));
  assert.deepEqual(codePoints(await fieldText(page)),
                   ['2220', '41', '50', '4d', 'ff1d', '2220', '42', '51', '4d']);
  assert.equal((await state(page)).nKeturon, 3);
});

test('Down and Enter in the open list choose the highlighted entry; Escape chooses nothing', async () => {
  await page.keyboard.down('Alt');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.up('Alt');
  await page.keyboard.press('ArrowDown');
  assert.equal((await state(page)).nKeturon, 0, 'moving in the open list is no choice');
  assert.equal(await page.$eval('#keturon-field', (f) => f.getAttribute('aria-activedescendant')), 'keturon-entry-1');
  await page.keyboard.press('Enter');
  assert.equal((await state(page)).nKeturon, 1);
  await click(page, 'keturon .open');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Escape');
  assert.equal(await isOpen(page), false);
  assert.equal((await state(page)).nKeturon, 1);
});

test('typing, Enter and leaving the field change nothing, and add no entry', async () => {
  const v = await drawingVersion(page);
  await page.$eval('#keturon-field', (f) => f.select());
  await page.keyboard.type('ＡＰ＝ＢＱ');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Tab');
  assert.equal(await fieldText(page), 'ＡＰ＝ＢＱ');
  assert.equal((await state(page)).nKeturon, 0);
  assert.equal(await drawingVersion(page), v);
  assert.equal(await enabled(page, 'sankaku'), false);
  assert.equal(await page.$$eval('#keturon [role=option]', (o) => o.length), 4);
  // The next choice puts its entry into the field and decides.
  await page.focus('#keturon-field');
  await page.keyboard.press('ArrowDown');
  assert.equal(await fieldText(page), ENTRIES[1]);
  assert.equal((await state(page)).nKeturon, 1);
});

test('choosing the heading entry after a conclusion takes 「注目する三角形」 back, and keeps the rest', async () => {
  await page.keyboard.press('ArrowDown');
  await click(page, 'sankaku');
  await click(page, 'henkaku');
  await page.focus('#keturon-field');
  await page.keyboard.press('ArrowUp');
  const s = await state(page);
  assert.deepEqual([s.nKeturon, s.fSankaku], [0, 1]);
  assert.equal(await fieldText(page), ENTRIES[0]);
  assert.equal(await enabled(page, 'sankaku'), false);
  assert.ok(await enabled(page, 'godo'));
  assert.deepEqual(page.problems, []);
});

test('a disabled list neither opens nor chooses', async () => {
  await click(page, 'saisyo');
  assert.equal(await enabled(page, 'keturon'), false);
  await click(page, 'keturon .open');
  assert.equal(await isOpen(page), false);
  assert.equal((await state(page)).nKeturon, 0);
});

// A tablet in Chromium's touch emulation: taps arrive as touch events, with
// the pointer events and the click a browser makes of them. The window is
// fitted to the new view in the frame after the resize, and a tap's click
// follows its touches: both are waited for.
const frames = (p) => p.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
async function tablet(p, width, height) {
  const cdp = await p.createCDPSession();
  await cdp.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 2, mobile: true });
  await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  await frames(p);
  // hold: milliseconds between the finger's touch and its lifting.
  const tap = async (x, y, hold = 0) => {
    for (const type of ['touchStart', 'touchEnd']) {
      await cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
      if (hold && type === 'touchStart')
        await new Promise((r) => setTimeout(r, hold));
    }
    await frames(p);
  };
  return { tap };
}
const boxOf = (p, selector) => p.$eval(selector, (e) => {
  const r = e.getBoundingClientRect();
  return [r.left, r.top, r.right, r.bottom];
});

for (const [target, selector] of [['field', '#keturon-field'], ['arrow', '#keturon .open']]) {
  test(`a tap on the ${target} opens the list without a keyboard; a tap on an entry chooses it`, async () => {
    const { tap } = await tablet(page, 1180, 820);
    const [l, t, r, b] = await boxOf(page, selector);
    // Near the box's corner: the whole box is the control.
    await tap(l + 2, b - 2);
    assert.equal(await isOpen(page), true);
    assert.equal(await page.$eval('#keturon-field', (f) => f.inputMode), 'none');
    const heights = await page.$$eval('#keturon [role=option]', (os) => os.map((o) => o.getBoundingClientRect().height));
    assert.ok(heights.every((h) => h >= 44), `entries ${heights.join(', ')} CSS px high`);
    const entry = await boxOf(page, '#keturon-entry-3');
    await tap((entry[0] + entry[2]) / 2, (entry[1] + entry[3]) / 2);
    assert.deepEqual([await isOpen(page), await fieldText(page), (await state(page)).nKeturon], [false, ENTRIES[3], 3]);
    assert.ok(r > l && t < b);
    assert.deepEqual(page.problems, []);
  });
}

test('a tap on a disabled control does nothing; a tap anywhere in an enabled one clicks it', async () => {
  const { tap } = await tablet(page, 390, 844);
  const v = await drawingVersion(page);
  const sankaku = await boxOf(page, '#sankaku');
  await tap(sankaku[0] + 1, sankaku[1] + 1);
  assert.equal(await drawingVersion(page), v);
  const migi = await boxOf(page, '#migi');
  await tap(migi[2] - 1, migi[3] - 1);
  assert.equal((await state(page)).kakudo, 45);
});

test('a long press opens the support menu and clicks nothing; a tap on an entry chooses it', async () => {
  const { tap } = await tablet(page, 1180, 820);
  const v = await drawingVersion(page);
  // On 「仮定」, whose click would take the hypothesis marks away.
  const katei = await boxOf(page, '#katei');
  await tap(katei[0] + 20, katei[1] + 10, 800);
  assert.deepEqual([await page.$eval('#support-menu', (m) => m.hidden), await drawingVersion(page)], [false, v]);
  const paper = await boxOf(page, '[data-value="paper"]');
  await tap((paper[0] + paper[2]) / 2, (paper[1] + paper[3]) / 2);
  assert.deepEqual(await page.$eval('#support-menu', (m) => [m.hidden, m.querySelector('[data-value="paper"]').ariaChecked]),
                   [true, 'true']);
  assert.notEqual(await drawingVersion(page), v, 'drawn again in the paper scheme');
  assert.deepEqual(page.problems, []);
  await page.evaluate(() => localStorage.clear());
});

test('a keyboard still types into the field, and only its text changes', async () => {
  const v = await drawingVersion(page);
  await page.keyboard.type('AB');
  assert.equal(await fieldText(page), ENTRIES[0] + 'AB');
  assert.deepEqual([await drawingVersion(page), (await state(page)).nKeturon, await isOpen(page)], [v, 0, false]);
});

// The field's text, drawn as the field draws it (its font, size and letter
// spacing) in a box of its own, fits between the field's margins; no caption
// or label is wider than its box. In each face of the core's font choices,
// at the scales of a projector, a laptop and a phone.
const SCALES = [[1920, 1080], [1366, 768], [390, 844]];
test('every entry shows whole in the field, and reads back as the entry, in both faces at every scale', async () => {
  const faces = await page.evaluate(() => godojoken.core.fontChoices()
    .map((f) => [f.name, godojoken.cssFamilies(f.families)]));
  assert.deepEqual(faces.map(([name]) => name), ['standard', 'ud']);
  const looks = {};
  for (const [face, family] of faces) {
    // Once the page has decoded the face and redrawn in it.
    await page.evaluate(async (f) => {
      godojoken.lesson.root.style.setProperty('--godo-font-family', f);
      await godojoken.facesLoaded(f);
      await new Promise((r) => setTimeout(r));
    }, family);
    for (const [w, h] of SCALES) {
      await page.setViewport({ width: w, height: h });
      const at = `${face}, ${w} × ${h}`;
      for (const [i, entry] of ENTRIES.entries()) {
        await page.evaluate((i) => godojoken.lesson.keturon.choose(i), i);
        const [width, room, look] = await page.$eval('#keturon-field', (f) => {
          const s = getComputedStyle(f);
          const probe = document.createElement('span');
          for (const p of ['fontFamily', 'fontSize', 'fontWeight', 'letterSpacing'])
            probe.style[p] = s[p];
          probe.style.whiteSpace = 'pre';
          probe.textContent = f.value;
          document.body.appendChild(probe);
          const w = probe.getBoundingClientRect().width;
          probe.remove();
          return [w, f.clientWidth - parseFloat(s.paddingLeft) - parseFloat(s.paddingRight),
                  [f.style.fontSize, f.style.letterSpacing !== '']];
        });
        assert.ok(width <= room, `${at}: ${entry}: ${width.toFixed(1)} px of text in ${room} px`);
        assert.deepEqual(codePoints(await fieldText(page)), codePoints(entry));
        looks[face] = look;
      }
      assert.deepEqual(await page.$$eval('.push, .label', (es) => es.filter((e) => e.scrollWidth > e.clientWidth)
        .map((e) => e.id)), [], `${at}: captions wider than their boxes`);
    }
  }
  // 「∠APM＝∠BQM」: drawn closer in IPA P Gothic, and smaller too in the wider UD face.
  assert.deepEqual(looks.standard, ['', true]);
  assert.match(looks.ud[0], /^0\.9\d*em$/);
});
