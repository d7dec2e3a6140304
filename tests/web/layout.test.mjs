// The window in the page: its size and colour, the thirteen controls at
// their places with their texts, fonts and tab order, disabled controls
// dimmed and inert, and the window fitted to every view without the lesson
// noticing.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch } from './lib/browser.mjs';
import { openLesson, click, state, drawingVersion, screenshotColours, pixel, near, colourSchemes, toLastStep, SHIPPED_URL,
         PAGE_URL, WEB_DIR } from './lib/lesson.mjs';
import { decodePng } from './lib/images.mjs';
import { serve } from './lib/serve.mjs';
import { construction } from './lib/geometry.mjs';
import { lessonTables } from './lib/pupil.mjs';

// The core's layout as the page reads it (its own suite checks it against
// the layout table): each control's box in pixels and its text.
let LAYOUT;
const controlsOf = (kinds) => LAYOUT.controls.filter((c) => kinds.includes(c.kind));
const CAPTION = '三角形の合同条件の使い方(q.Sorano)';

let browser, page;
before(async () => {
  browser = await launch();
  page = await openLesson(browser);
  LAYOUT = await page.evaluate(() => godojoken.core.layout());
});
after(async () => browser && browser.close());

test('the window is the layout\'s size in CSS pixels, in its colour, the title is the caption', async () => {
  const box = await (await page.$('#lesson')).boundingBox();
  assert.deepEqual([box.width, box.height], [LAYOUT.width, LAYOUT.height]);
  // Between the picture area and the window's edge, and below the buttons.
  const points = [[3, 3], [LAYOUT.width - 6, LAYOUT.height - 6], [700, 330]];
  const { window } = (await colourSchemes(page)).find((x) => x.name === 'standard');
  assert.deepEqual(await screenshotColours(page, points), points.map(() => window));
  assert.equal(await page.title(), CAPTION);
});

test('each control stands at its place, every edge rounded on its own', async () => {
  assert.equal(LAYOUT.controls.length, 13);
  for (const c of LAYOUT.controls) {
    const box = await (await page.$('#' + c.name)).boundingBox();
    const actual = [box.x, box.y, box.x + box.width, box.y + box.height].map(Math.round);
    assert.deepEqual(actual, [c.left, c.top, c.right, c.bottom], c.name);
  }
  // The list's field and its button share the box side by side.
  const parts = await page.$eval('#keturon', (k) => [k.querySelector('input'), k.querySelector('.open')]
    .map((e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; }));
  const k = controlsOf(['combobox'])[0];
  assert.deepEqual([parts[0][0], parts[0][1], parts[0][3], parts[1][1], parts[1][2], parts[1][3]],
                   [k.left, k.top, k.bottom, k.top, k.right, k.bottom]);
  assert.equal(parts[0][2], parts[1][0]);
  const command1 = await (await page.$('#Command1')).boundingBox();
  assert.deepEqual([command1.x, command1.y, command1.x + command1.width, command1.y + command1.height],
                   [616, 384, 737, 409]);
});

test('captions, labels and the list are the lesson\'s texts, code point for code point', async () => {
  const shown = controlsOf(['button', 'label']);
  assert.equal(shown.length, 11);
  for (const c of shown)
    assert.equal(await page.$eval('#' + c.name, (e) => e.textContent), c.text, c.name);
  const entries = controlsOf(['combobox'])[0].entries;
  assert.deepEqual(await page.$$eval('#keturon [role=option]', (os) => os.map((o) => o.textContent)), entries);
  assert.equal(await page.$eval('#keturon-field', (e) => e.value), entries[0]);
});

test('fonts: the page\'s own IPA P Gothic, then the layout\'s family and the gothic faces, at the layout\'s sizes and weights', async () => {
  const font = (sel) => page.$eval(sel, (e) => {
    const s = getComputedStyle(e);
    return [...s.fontFamily.split(',').slice(0, 2).map((f) => f.trim().replace(/"/g, '')), s.fontSize, s.fontWeight];
  });
  const own = ['godojoken IPAPGothic', 'ＭＳ Ｐゴシック'];
  assert.deepEqual(await font('#Command1'), [...own, '16px', '700']);
  assert.deepEqual(await font('#katei'), [...own, '14px', '700']);
  assert.deepEqual(await font('#keturon-field'), [...own, '14px', '700']);
  assert.deepEqual(await font('#Label1'), [...own, '18px', '400']);
  // The figure's texts too; and the page's copy is there, decoded.
  assert.deepEqual((await font('#gamen svg')).slice(0, 2), own);
  assert.ok(await page.evaluate(() => [...document.fonts].some((f) => f.family.replace(/"/g, '') === 'godojoken IPAPGothic'
                                                                    && f.status === 'loaded')));
  const families = await page.$eval('#katei', (e) => getComputedStyle(e).fontFamily);
  for (const f of ['Hiragino Sans', 'Noto Sans CJK JP', 'IPAPGothic'])
    assert.ok(families.includes(f), f + ' in ' + families);
  assert.deepEqual(await page.$eval('#Label3', (e) => [getComputedStyle(e).color, getComputedStyle(e).backgroundColor]),
                   ['rgb(255, 255, 255)', 'rgb(128, 128, 0)']);
});

test('the focus starts on the picture area and Tab skips the disabled controls', async () => {
  assert.equal(await page.evaluate(() => document.activeElement.id), 'gamen');
  const order = [];
  for (let i = 0; i < 4; i++) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, ['saisyo', 'owari', 'katei', 'Command1']);
});

test('disabled controls are dimmed and a click on them does nothing', async () => {
  const look = (n) => page.$eval('#' + n, (e) => getComputedStyle(e).color);
  assert.notEqual(await look('sankaku'), await look('katei'));
  const v = await drawingVersion(page);
  await click(page, 'sankaku');
  await click(page, 'hidari');
  assert.equal(await drawingVersion(page), v);
  assert.equal(await page.evaluate(() => godojoken.lesson.face.state().kakudo), 35);
});

test('with every control unlocked, Tab goes through them in the layout\'s order', async () => {
  const p = await openLesson(browser);
  await click(p, 'katei');
  await click(p, 'migi');
  await p.focus('#keturon-field');
  await p.keyboard.press('ArrowDown');
  await click(p, 'sankaku');
  await click(p, 'henkaku');
  await p.focus('#gamen');
  const order = [];
  for (let i = 0; i < 10; i++) {
    await p.keyboard.press('Tab');
    order.push(await p.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, ['hidari', 'migi', 'saisyo', 'owari', 'katei', 'sankaku', 'henkaku', 'godo',
                           'keturon-field', 'Command1']);
  // The page's order is the lesson's: no tabindex above 0 says otherwise.
  assert.deepEqual(await p.$$eval('[tabindex]', (es) => es.filter((e) => e.tabIndex > 0).map((e) => e.id)), []);
  assert.deepEqual(p.problems, []);
  await p.close();
});

// The view sizes of a classroom: projector, laptop, tablet both ways, phone.
const VIEWS = [[1920, 1080, 1], [1366, 768, 1], [1180, 820, 2], [820, 1180, 2], [390, 844, 3, true]];

test('in every view the window fills it, centred and whole, and the lesson does not notice', async () => {
  const p = await openLesson(browser);
  await click(p, 'katei');
  await click(p, 'migi');
  const lesson = () => p.evaluate(() => [godojoken.lesson.face.state(), godojoken.lesson.face.drawingVersion(),
    document.querySelector('#gamen svg').outerHTML, [...document.querySelectorAll('button, input')].map((e) => e.disabled)]);
  const before = await lesson();
  // Through the DevTools protocol: puppeteer would reload the page to make
  // it a phone's.
  const cdp = await p.createCDPSession();
  const buttons = [];
  for (const [width, height, deviceScaleFactor, mobile = false] of VIEWS) {
    await cdp.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor, mobile });
    // As drawn in the next frame: the view's resize event comes before it.
    const fit = await p.evaluate(async () => {
      await new Promise(requestAnimationFrame);
      const r = document.getElementById('lesson').getBoundingClientRect();
      const d = document.documentElement;
      const button = document.getElementById('support-button');
      const s = button.getBoundingClientRect();
      // The support button shows only in the margin beside the window.
      const clear = s.right <= r.left || s.left >= r.right || s.bottom <= r.top || s.top >= r.bottom;
      return { r: [r.left, r.top, r.right, r.bottom], scroll: [d.scrollWidth, d.scrollHeight], view: [innerWidth, innerHeight],
               button: button.hidden ? 'hidden' : clear ? 'beside' : 'over the window' };
    });
    const [l, t, r, b] = fit.r;
    const view = `${width} × ${height}`;
    assert.deepEqual(fit.view, [width, height], view);
    assert.ok(Math.abs((r - l) / (b - t) - LAYOUT.width / LAYOUT.height) < 0.002, `${view}: aspect ${r - l} × ${b - t}`);
    assert.ok(Math.abs(r - l - width) < 1 || Math.abs(b - t - height) < 1, `${view}: fills one side`);
    assert.ok(Math.abs(l - (width - r)) < 1 && Math.abs(t - (height - b)) < 1, `${view}: centred`);
    assert.ok(fit.scroll[0] <= width && fit.scroll[1] <= height, `${view}: no scroll bar (${fit.scroll})`);
    assert.notEqual(fit.button, 'over the window', view);
    buttons.push(fit.button);
  }
  assert.deepEqual(await lesson(), before);
  // A projector's view leaves room beside the window; a tablet's landscape view not (6 px).
  assert.deepEqual([buttons[0], buttons[2]], ['beside', 'hidden']);
  assert.deepEqual(p.problems, []);
  await p.close();
});

test('the shipped page hands nothing to a script: no hook, no state, no test bindings', async () => {
  const p = await openLesson(browser, SHIPPED_URL);
  const exported = await p.evaluate(async () => {
    const core = await Promise.resolve(createGodoCore().ready ?? createGodoCore());
    return { global: typeof window.godojoken,
             bindings: ['faceState', 'setFaceState', 'figureCases'].filter((n) => n in core),
             shipped: ['WebFace', 'layout', 'fontChoices', 'opFormat'].filter((n) => n in core) };
  });
  assert.deepEqual(exported, { global: 'undefined', bindings: [],
                               shipped: ['WebFace', 'layout', 'fontChoices', 'opFormat'] });
  assert.deepEqual(p.problems, []);
  await p.close();
});

// Each scheme, from a link or from what the device asks for, in the window
// and the figure: colours read from the core's table at points the layout
// and the construction place. media: emulated device preferences; window:
// whether the window shows the scheme's own colours (a contrast theme of
// the device gives it the system's).
const SCHEME_ROWS = [
  ...['standard', 'cud', 'white-on-black', 'yellow-on-black', 'paper'].map((s) => [s, '#colors=' + s, [], s, true]),
  ['unknown names and values ignored', '#colors=nonesuch&font=ud&x=1', [], 'standard', true, 'ud'],
  ['more contrast asked, nothing chosen', '', [['prefers-contrast', 'more']], 'white-on-black', true],
  ['a contrast theme, nothing chosen', '', [['forced-colors', 'active']], 'white-on-black', false],
  ['a contrast theme, paper chosen', '#colors=paper', [['forced-colors', 'active']], 'paper', false],
];
for (const [label, hash, media, expected, window, font = 'standard'] of SCHEME_ROWS) {
  test(`colours: ${label}`, async () => {
    const context = await browser.createBrowserContext();
    const p = await openLesson(context, PAGE_URL + hash, async (tab) => {
      const cdp = await tab.createCDPSession();
      await cdp.send('Emulation.setEmulatedMedia', { features: media.map(([name, value]) => ({ name, value })) });
    });
    const s = (await colourSchemes(p)).find((x) => x.name === expected);
    // A link's settings are taken, and leave the address: a reload keeps what is chosen later.
    assert.equal(await p.evaluate(() => location.hash), '');
    const family = await p.evaluate((f) => JSON.parse(godojoken.core.support()).fonts.find((x) => x.name === f).families[0], font);
    // The page's own copies first, then the core's list.
    assert.ok((await p.$eval('#lesson', (e) => e.style.getPropertyValue('--godo-font-family'))).includes(`"${family}"`), font);
    const at = async (point) => (await screenshotColours(p, [point]))[0];
    assert.deepEqual(await pixel(p, 8000, 7000), s.picture, 'picture area');
    assert.ok(near(await pixel(p, 3000, 2000), s.pens[15]), 'line ｌ');
    assert.ok(near(await pixel(p, ...construction(await state(p)).onLineN(35, 1500)), s.pens[12]), 'line ｎ');
    if (window) {
      const c = (name) => LAYOUT.controls.find((x) => x.name === name);
      const [gamen, godo, command1] = [c('gamen'), c('godo'), c('Command1')];
      const middle = Math.round((gamen.top + gamen.bottom) / 2);
      assert.deepEqual(await at([godo.left + 4, Math.round((godo.bottom + command1.top) / 2)]), s.window, 'window');
      // The standard scheme keeps the page's own sunken frame.
      if (s.frameShadow) {
        assert.deepEqual(await at([gamen.left, middle]), s.frameShadow, 'frame, shaded edge');
        assert.deepEqual(await at([gamen.right - 1, middle]), s.frameLight, 'frame, lit edge');
      }
      // The picture area has the focus from the start: a ring outside its frame.
      assert.deepEqual(await at([gamen.left - 2, middle]), s.focus, 'focus ring');
      assert.equal(await p.$eval('#Label3', (e) => getComputedStyle(e).color), `rgb(${s.labelText.join(', ')})`);
    }
    assert.deepEqual(p.problems, []);
    await context.close();
  });
}

test('the support menu by keyboard: Shift+F10 opens it, Space chooses, Escape gives the focus back; the choice is kept', async () => {
  const context = await browser.createBrowserContext();
  const p = await openLesson(context);
  const [standard, cud] = await colourSchemes(p);
  await p.keyboard.down('Shift');
  await p.keyboard.press('F10');
  await p.keyboard.up('Shift');
  const focused = () => p.evaluate(() => [document.activeElement.id || document.activeElement.textContent,
                                          document.activeElement.getAttribute('aria-checked')]);
  assert.deepEqual(await focused(), [standard.caption, 'true']);
  await p.keyboard.press('ArrowDown');
  await p.keyboard.press('Space');
  assert.deepEqual(await focused(), [cud.caption, 'true']);
  assert.deepEqual(await pixel(p, 8000, 7000), cud.picture);
  await p.keyboard.press('Escape');
  assert.deepEqual([await p.$eval('#support-menu', (m) => m.hidden), (await focused())[0]], [true, 'gamen']);
  await p.reload();
  await p.waitForFunction(() => performance.getEntriesByName('godo-first-figure').length > 0);
  assert.deepEqual(await pixel(p, 8000, 7000), cud.picture, 'kept');
  assert.deepEqual(p.problems, []);
  await context.close();
});

// The figure's PNG against the core: its size, the picture's colour in a
// corner and a line's colour at its middle.
async function checkFigurePng(p, png, scheme) {
  const { figure, line } = await p.evaluate(() => {
    const d = godojoken.lesson.face.drawing();
    const f = godojoken.core.opFormat();
    const ops = Array.from({ length: d.ops.length / f.fields }, (_, i) => d.ops.slice(i * f.fields, (i + 1) * f.fields));
    const l = ops.findLast((o) => o[0] === f.paint.line); // nothing drawn over it
    return { figure: JSON.parse(godojoken.core.support()).figure,
             line: [(l[f.at] + l[f.at + 2]) / 2, (l[f.at + 1] + l[f.at + 3]) / 2, l[f.colour]] };
  });
  assert.deepEqual([png.width, png.height], figure.pixels);
  assert.deepEqual(png.at(4, 4).slice(0, 3), scheme.picture);
  const k = png.width / (await p.$eval('#gamen svg', (e) => e.viewBox.baseVal.width));
  const rgb = [line[2] >> 16, (line[2] >> 8) & 255, line[2] & 255];
  assert.ok(near(png.at(Math.floor(line[0] * k), Math.floor(line[1] * k)).slice(0, 3), rgb, 40), 'a line');
}

test('the figure saved: Ctrl+S downloads the core\'s SVG as 図形.svg, the menu\'s PNG entry 図形.png', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'godo-saved-'));
  const context = await browser.createBrowserContext();
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior',
                 { behavior: 'allow', downloadPath: dir, eventsEnabled: true, browserContextId: context.id });
  const saved = () => new Promise((resolve) => {
    let name;
    cdp.on('Browser.downloadWillBegin', (e) => { name = e.suggestedFilename; });
    cdp.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve([name, readFileSync(join(dir, name))]));
  });
  const p = await openLesson(context, PAGE_URL + '#colors=paper');
  const paper = (await colourSchemes(p)).find((s) => s.name === 'paper');
  await toLastStep(p);
  let file = saved();
  await p.keyboard.down('Control');
  await p.keyboard.press('s');
  await p.keyboard.up('Control');
  const [svgName, svg] = await file;
  const core = await p.evaluate(() => [godojoken.lesson.figureExport.svg(), godojoken.lesson.face.drawing().ops.length
                                       / godojoken.core.opFormat().fields]);
  assert.deepEqual([svgName, svg.toString('utf8')], ['図形.svg', core[0]]);
  // One element each operation after the clear, which is the background.
  assert.equal(core[0].match(/<(line|circle|text) /g).length, core[1] - 1);
  cdp.removeAllListeners();
  file = saved();
  await p.keyboard.down('Shift');
  await p.keyboard.press('F10');
  await p.keyboard.up('Shift');
  await p.keyboard.press('End');
  await p.keyboard.press('Enter');
  const [pngName, png] = await file;
  assert.equal(pngName, '図形.png');
  await checkFigurePng(p, decodePng(png), paper);
  assert.deepEqual(p.problems, []);
  await context.close();
  await cdp.detach();
  rmSync(dir, { recursive: true, force: true });
});

test('the figure copied by Ctrl+C: a PNG on the clipboard; in the list\'s field Ctrl+C copies its text', async () => {
  const server = await serve(WEB_DIR);
  const context = await browser.createBrowserContext();
  await context.overridePermissions(new URL(server.url).origin,
                                    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const p = await openLesson(context, server.url + 'godojoken.html');
  const [standard] = await colourSchemes(p);
  await toLastStep(p);
  await p.focus('#gamen');
  await p.keyboard.down('Control');
  await p.keyboard.press('c');
  await p.keyboard.up('Control');
  await p.waitForFunction(async () => (await navigator.clipboard.read())[0].types.includes('image/png'));
  // Chromium takes the SVG beside the PNG, and writes it out again as HTML.
  const [png, svg, core] = await p.evaluate(async () => {
    const [item] = await navigator.clipboard.read();
    const blob = await item.getType('image/png');
    return [await new Promise((resolve) => {
      const r = new FileReader();
      r.onload = () => resolve(r.result.split(',')[1]);
      r.readAsDataURL(blob);
    }), await (await item.getType('image/svg+xml')).text(), godojoken.lesson.figureExport.svg()];
  });
  const elements = (t) => [...t.matchAll(/<(\w+)([^>]*?)\/?>/g)].map((m) => m[1] + m[2]);
  assert.deepEqual(elements(svg), elements(core));
  await checkFigurePng(p, decodePng(Buffer.from(png, 'base64')), standard);
  await p.focus('#keturon-field');
  await p.keyboard.down('Control');
  await p.keyboard.press('a');
  await p.keyboard.press('c');
  await p.keyboard.up('Control');
  assert.equal(await p.evaluate(() => navigator.clipboard.readText()), await p.$eval('#keturon-field', (e) => e.value));
  assert.deepEqual(p.problems, []);
  await context.close();
  server.stop();
});

// Ruby at the last step, in both faces and four views: every reading shown
// whole inside the window, inside its own control (a label may use the room
// above it), and over no other control.
const RUBY_VIEWS = [Object.values(lessonTables().window), [1366, 768], [1920, 1080], [390, 844]];
for (const font of ['standard', 'ud']) {
  test(`ruby, ${font} face: every reading whole, in its own control and over no other, in every view`, async () => {
    const context = await browser.createBrowserContext();
    const p = await openLesson(context, PAGE_URL + '#ruby=on&font=' + font);
    await toLastStep(p);
    for (const [width, height] of RUBY_VIEWS) {
      await p.setViewport({ width, height, deviceScaleFactor: 1 });
      const found = await p.evaluate(() => {
        const box = (e) => e.getBoundingClientRect();
        const inside = (a, b) => a.left >= b.left - 0.5 && a.right <= b.right + 0.5
          && a.top >= b.top - 0.5 && a.bottom <= b.bottom + 0.5;
        const overlap = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5
          && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
        const controls = [...document.querySelectorAll('#lesson > :not(.group), #lesson > .group > *')];
        const window = box(document.getElementById('lesson'));
        const rts = [...document.querySelectorAll('#lesson rt')].filter((rt) => rt.offsetParent);
        return [rts.length > 0 ? '' : 'no ruby shown', ...rts.flatMap((rt) => {
          const r = box(rt);
          const own = controls.find((c) => c.contains(rt));
          const what = rt.textContent + ' of ' + own.id;
          return [
            r.width > 0 && inside(r, window) ? '' : what + ' outside the window',
            own.matches('.label') || inside(r, box(own)) ? '' : what + ' outside its control',
            ...controls.filter((c) => c !== own && overlap(r, box(c))).map((c) => what + ' over ' + c.id),
          ];
        })].filter(Boolean);
      });
      assert.deepEqual(found, [], `${width} × ${height}`);
    }
    assert.deepEqual(p.problems, []);
    await context.close();
  });
}

// Read-aloud, with the engine's speak() wrapped: what each press hands it.
test('read aloud: a press hands the engine the core\'s kana, the caption then the figure, at the speed chosen', async () => {
  const context = await browser.createBrowserContext();
  const p = await openLesson(context, PAGE_URL + '#speech=on&rate=slower', (tab) => tab.evaluateOnNewDocument(() => {
    window.heard = [];
    let handed = false;
    speechSynthesis.speak = (u) => { handed = true; window.heard.push([u.text, u.rate]); };
    // What was handed over counts as still being read: the next press cuts it off.
    Object.defineProperty(speechSynthesis, 'pending', { get: () => handed });
    speechSynthesis.cancel = () => window.heard.push(['cancel']);
  }));
  const table = await p.evaluate(() => JSON.parse(godojoken.core.support()));
  const rate = Math.fround(table.rates.find((r) => r.name === 'slower').factor); // the utterance keeps a float
  const heard = () => p.evaluate(() => window.heard.splice(0));
  const expected = (caption) => p.evaluate((c) => godojoken.lesson.face.spokenPress(c), caption);
  const picture = LAYOUT.controls.find((c) => c.kind === 'picture').accessibleName;
  const rows = [
    ['katei', () => click(p, 'katei'), LAYOUT.controls.find((c) => c.name === 'katei').text, false],
    ['migi', () => click(p, 'migi'), LAYOUT.controls.find((c) => c.name === 'migi').text, true],
    ['a choice in the list', async () => { await p.focus('#keturon-field'); await p.keyboard.press('ArrowDown'); },
     LAYOUT.controls.find((c) => c.name === 'keturon').entries[1], true],
    ['F8, again', () => p.keyboard.press('F8'), picture, true],
  ];
  for (const [label, press, caption, cutsOff] of rows) {
    await press();
    const said = await expected(caption);
    assert.deepEqual(await heard(), [...(cutsOff ? [['cancel']] : []), [said.caption, rate], [said.figure, rate]], label);
  }
  await p.evaluate((name) => godojoken.lesson.support.choose(name, 'off'), table.names.speech);
  await click(p, 'katei');
  assert.deepEqual((await heard()).filter((h) => h.length > 1), [], 'off: nothing read');
  assert.deepEqual(p.problems, []);
  await context.close();
});
