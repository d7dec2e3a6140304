// The lesson's tables, as the core's tests hold them (the rows the window's
// code and the Qt window are walked through, their steps already read into
// single actions), and a pupil's hands on the page in any engine: an engine
// object of engines.mjs (evaluate, click at a point, press).

import { execFileSync } from 'node:child_process';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const here = dirname(fileURLToPath(import.meta.url));

// Also the window's size in pixels: { window: { width, height }, ... }.
let tables;
export function lessonTables() {
  const tool = process.env.GODO_LESSON_TABLES || resolve(here, '../../../build/tests/web/lesson_tables');
  return tables ??= JSON.parse(execFileSync(tool, { encoding: 'utf8' }));
}

export async function waitIn(engine, fn, what = String(fn)) {
  for (let i = 0; i < 600; i++) {
    if (await engine.evaluate(fn))
      return;
    await sleep(50);
  }
  throw new Error('waited 30 s for ' + what);
}

export function pagePupil(engine) {
  const clickOn = async (selector) => {
    const [x, y] = await engine.evaluate((s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return [r.x + r.width / 2, r.y + r.height / 2];
    }, selector);
    await engine.click(x, y);
  };
  const pupil = {
    click: (name) => clickOn('#' + name),
    // Opens the list with its ▼ and clicks the entry (1-based).
    async choose(entry) {
      await clickOn('#keturon .open');
      await waitIn(engine, () => !document.getElementById('keturon-list').hidden, 'the open list');
      await clickOn('#keturon-entry-' + (entry - 1));
    },
    // A key on the closed list.
    async key(key) {
      await engine.evaluate(() => document.getElementById('keturon-field').focus());
      await engine.press(key);
    },
    act(a) {
      return a.kind === 'click' ? pupil.click(a.control)
        : a.kind === 'choose' ? pupil.choose(a.entry) : pupil.key(a.key);
    },
    state: () => engine.evaluate(() => godojoken.lesson.face.state()),
    fieldText: () => engine.evaluate(() => document.getElementById('keturon-field').value),
    // The state, the field and whether each named control (or the list's
    // field inside it) is usable, read at once.
    shown: (names) => engine.evaluate((list) => ({
      state: godojoken.lesson.face.state(),
      field: document.getElementById('keturon-field').value,
      enabled: Object.fromEntries(list.map((n) => {
        const el = document.getElementById(n);
        return [n, !(el.querySelector('input') || el).disabled];
      })),
    }), names),
    enabled: async (name) => (await pupil.shown([name])).enabled[name],
  };
  return pupil;
}

// Walks every row and hands each one's outcome to `check(row, pupil)`. A row
// whose actions begin with everything done since the last 「最初」 goes on
// from there; any other starts again with 「最初」, which gives the state,
// the controls and the figure of the start.
export async function walkRows(pupil, rows, check) {
  let done = [];
  const same = (a, b) => a.kind === b.kind && a.control === b.control && a.entry === b.entry && a.key === b.key;
  for (const row of rows) {
    let from = done.length;
    if (row.actions.length < done.length || !done.every((a, i) => same(a, row.actions[i]))) {
      await pupil.click('saisyo');
      from = 0;
    }
    for (const a of row.actions.slice(from))
      await pupil.act(a);
    done = row.actions;
    await check(row, pupil);
  }
}
