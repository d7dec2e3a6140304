// 「終了」 ends the program as far as a page can, and the core's error
// boundary reaches the pupil as a message in an accessible dialog.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch } from './lib/browser.mjs';
import { openLesson, click, state, PAGE_URL } from './lib/lesson.mjs';

const ENDED = 'プログラムを終了しました。このタブを閉じてください。';
const OVERFLOW = '計算の途中で桁あふれ（オーバーフロー）が起きたため、この操作は途中で止まりました。';

let browser;
before(async () => browser = await launch());
after(async () => browser && browser.close());

test('in a tab the page cannot close, the lesson is taken down and one line says so', async () => {
  const page = await openLesson(browser);
  await click(page, 'katei');
  await click(page, 'owari');
  assert.equal(await page.$('#lesson'), null);
  assert.equal(await page.$('#gamen'), null);
  const line = await page.$eval('#ended', (p) => [p.textContent, p.hidden, p.getAttribute('role')]);
  assert.deepEqual(line, [ENDED, false, 'status']);
  assert.equal(await page.evaluate(() => godojoken.lesson.face), null);
  assert.equal(await page.evaluate(() => document.body.innerText.trim()), ENDED);
  // The page did not ask for what the browser refuses: no console complaint.
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('in a tab whose history holds only the lesson, as after a double-click, 「終了」 closes it', async () => {
  const cdp = await browser.target().createCDPSession();
  const created = new Promise((resolve) => browser.once('targetcreated', resolve));
  await cdp.send('Target.createTarget', { url: PAGE_URL });
  const page = await (await created).page();
  await page.waitForFunction(() => window.godojoken && performance.getEntriesByName('godo-first-figure').length);
  assert.equal(await page.evaluate(() => history.length), 1);
  const closed = new Promise((resolve) => page.once('close', resolve));
  await page.evaluate(() => document.getElementById('owari').click());
  await closed;
  assert.ok(page.isClosed());
});

test('in a window that a script opened, 「終了」 closes it', async () => {
  const opener = await openLesson(browser);
  const opened = new Promise((resolve) => browser.once('targetcreated', (t) => resolve(t.page())));
  await opener.evaluate((url) => { window.open(url, '_blank', 'popup'); }, PAGE_URL);
  const page = await opened;
  await page.waitForFunction(() => window.godojoken && performance.getEntriesByName('godo-first-figure').length);
  const closed = new Promise((resolve) => page.once('close', resolve));
  await page.evaluate(() => document.getElementById('owari').click());
  await closed;
  assert.ok(page.isClosed());
  await opener.close();
});

test('an error in a handler is shown in a dialog and the lesson goes on', async () => {
  const page = await openLesson(browser);
  // Out of the range the lesson keeps: the next redraw overflows 16 bits.
  assert.equal(await page.evaluate(() => godojoken.lesson.face.setStateForTesting('Ax', 32767)), true);
  await click(page, 'katei');
  const dialog = await page.$eval('#message', (d) => ({
    open: d.open, modal: d.matches(':modal'), text: document.getElementById('message-text').textContent,
    title: document.getElementById('message-title').textContent,
  }));
  assert.deepEqual(dialog, { open: true, modal: true, text: OVERFLOW, title: '三角形の合同条件の使い方(q.Sorano)' });
  const snapshot = await page.accessibility.snapshot({ interestingOnly: true });
  const found = JSON.stringify(snapshot);
  assert.ok(found.includes('"role":"dialog"') && found.includes(OVERFLOW), 'the dialog reaches screen readers');
  // The handler stopped at the failing step: nothing after it was done.
  assert.equal(await page.evaluate(() => document.getElementById('hidari').disabled), true);

  await click(page, 'message-ok');
  assert.equal(await page.$eval('#message', (d) => d.open), false);
  await page.evaluate(() => godojoken.lesson.face.setStateForTesting('Ax', 7000));
  await click(page, 'saisyo');
  await click(page, 'katei');
  assert.equal((await state(page)).fKatei, 1);
  assert.equal(await page.evaluate(() => document.getElementById('hidari').disabled), false);
  await page.close();
});
