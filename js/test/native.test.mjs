// Every answer equal to the native library's: the same calls through the package and through the
// native command-line checker's batch mode (built by the native build; skipped without it).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { load } from '../index.mjs';

const checker = process.env.OLV_CHECKER ?? fileURLToPath(new URL('../../build/release/tools/olvenir-check', import.meta.url));
const olv = await load();

// A few arguments per parameter kind, and texts no check should differ on.
const GOOD = {
  text: ['1', '44051401359'], 'writable text': ['01012020', '1234563218'], 'text list': [['1', null]],
  int: [1, 121], unsigned: [1], short: [121, 117], bool: [true], byte: [0x61], char: ['a'], int64: [1],
  'out int': [0], conditions: [[['KOD', 0, 'x']]], 'code table': [[]], BSTR: [null], pointer: [null],
};
const TEXTS = ['', ' ', 'x'.repeat(40), '\ud800', '\u{1F600}', 'zażółć', '02270803628', '12345678512347', '31022020', null];
// Exports whose answers follow the clock or the process's settings, not only their arguments.
const MOVING = /^(sl_Now|f_KVTGetCurrentTimeLong|KVTSetCodePage|.*Today.*|.*Dzis.*)$/;

function requests() {
  const list = [];
  for (const row of olv.exports()) {
    if (MOVING.test(row.name) || row.result === 'pointer' || row.result === 'void') continue;
    const variants = [0, 1].map((v) => row.params.map((k) => GOOD[k][v % GOOD[k].length]));
    const textual = row.params.map((k) => k === 'text' || k === 'writable text');
    for (const t of TEXTS) variants.push(row.params.map((k, i) => (textual[i] ? t : GOOD[k][0])));
    for (const args of variants) list.push({ fn: row.symbol, args: row.variadic ? [...args, '1'] : args });
  }
  return list;
}

// A JSON form the checker reads: texts as their UTF-16 units, so lone surrogates pass.
function asJson(v) {
  if (typeof v === 'string') return { units: Array.from({ length: v.length }, (_, i) => v.charCodeAt(i)) };
  if (Array.isArray(v)) return v.map(asJson);
  return v;
}

// The checker writes texts as UTF-8, a lone surrogate as U+FFFD.
function comparable(v) {
  if (typeof v === 'string') return v.toWellFormed();
  if (v !== null && typeof v === 'object') return Object.fromEntries(Object.entries(v).map(([k, x]) => [k, comparable(x)]));
  return v;
}

test('answers equal the native library answers', { skip: !existsSync(checker) && `no native checker at ${checker}` }, () => {
  const list = requests();
  const input = list.map((r) => JSON.stringify({ fn: r.fn, args: r.args.map(asJson) })).join('\n');
  // Its exit status tells whether a finding was returned; every line is read either way.
  const done = spawnSync(checker, ['--batch'], { input, encoding: 'utf8', maxBuffer: 1 << 28 });
  const lines = done.stdout.trim().split('\n');
  assert.equal(lines.length, list.length);
  let compared = 0;
  lines.forEach((line, i) => {
    const native = JSON.parse(line);
    const { fn, args } = list[i];
    let ours;
    try {
      ours = olv.call(fn, ...args);
    } catch (e) {
      assert.ok('error' in native, `${fn}(${JSON.stringify(args)}): ours threw ${e.message}, native answered ${line}`);
      return;
    }
    if ('error' in native) return; // a service failure the native side reports as an error line
    const want = native.out ? { result: native.result, out: native.out } : native.result;
    assert.deepEqual(comparable(ours), comparable(want), `${fn}(${JSON.stringify(args)})`);
    ++compared;
  });
  assert.ok(compared > 1000, `${compared} answers compared`);
});
