// The core in WebAssembly computes the same figure as the native core: for
// every angle 0..170 and every combination of the four switches and the
// conclusions 0..3, the erase and the draw pass give the same drawing
// operations (kinds, colours, fill, texts exact; coordinates and sizes within
// 0.01 twip) and the same figure state (16-bit fields exact).

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { launch } from './lib/browser.mjs';
import { openLesson } from './lib/lesson.mjs';

const DUMP_OPS = process.env.GODO_DUMP_OPS;
const TOLERANCE = 0.01;

function sameNumbers(a, b, where) {
  assert.equal(a.length, b.length, where + ': count');
  a.forEach((v, i) => assert.ok(Math.abs(v - b[i]) <= TOLERANCE, `${where}[${i}]: ${v} vs ${b[i]}`));
}

function sameCase(wasm, native, where) {
  for (const [field, value] of Object.entries(native.state)) {
    if (field === 'dToR')
      assert.equal(Math.fround(wasm.state.dToR), Math.fround(value), where + ' dToR');
    else
      assert.equal(wasm.state[field], value, `${where} ${field}`);
  }
  assert.equal(wasm.passes.length, 2);
  native.passes.forEach((ops, p) => {
    const w = wasm.passes[p];
    assert.equal(w.length, ops.length, `${where} pass ${p}: operations`);
    ops.forEach((op, i) => {
      const at = `${where} pass ${p} op ${i}`;
      const o = w[i];
      assert.deepEqual([o.kind, o.colour, o.solid, o.fillColour, o.text],
                       [op.kind, op.colour, op.solid, op.fillColour, op.text], at);
      sameNumbers(o.at, op.at, at + ' at');
      sameNumbers([o.size], [op.size], at + ' size');
    });
  });
}

let browser, page;
before(async () => {
  browser = await launch();
  page = await openLesson(browser);
});
after(async () => browser && browser.close());

test('the native dump program is there', () => {
  assert.ok(DUMP_OPS, 'GODO_DUMP_OPS names the native program');
});

test('WebAssembly and native cores draw the same figure at every angle with every overlay', async () => {
  let cases = 0, ops = 0;
  for (let kakudo = 0; kakudo <= 170; kakudo += 5) {
    const native = JSON.parse(execFileSync(DUMP_OPS, [String(kakudo)], { maxBuffer: 64 << 20 }));
    const wasm = JSON.parse(await page.evaluate((k) => godojoken.core.figureCases(k), kakudo));
    assert.equal(wasm.length, 64);
    assert.equal(native.length, 64);
    native.forEach((c, i) => {
      sameCase(wasm[i], c, `kakudo ${kakudo} case ${i}`);
      ops += c.passes[0].length + c.passes[1].length;
    });
    cases += native.length;
  }
  assert.equal(cases, 35 * 64);
  // Every overlay draws: far more than the base figure's operations.
  assert.ok(ops > cases * 2 * 30, `${ops} operations compared`);
});

test('the cases differ from each other: the comparison sees the overlays', async () => {
  const c = JSON.parse(await page.evaluate(() => godojoken.core.figureCases(35)));
  const draw = (i) => c[i].passes[1].length;
  // 0: nothing on; 15 * 4 + 3: every switch on and conclusion 3.
  assert.ok(draw(63) > draw(0) + 20, `${draw(63)} vs ${draw(0)} operations`);
  assert.deepEqual([c[63].state.fKatei, c[63].state.fSankaku, c[63].state.fHenkaku, c[63].state.fGodo,
                    c[63].state.nKeturon], [1, 1, 1, 1, 3]);
  assert.deepEqual([c[0].state.Px, c[0].state.Qx], [1647, 7353]);
});
