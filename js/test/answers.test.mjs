// Answers of sample rows equal to the C++ tests' answers, batches equal to single calls, and the
// shapes of texts and written arguments.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

import { load } from '../index.mjs';

const olv = await load();

// [export, arguments, answer], shared with the Python tests.
const { rows: ROWS } = JSON.parse(readFileSync(new URL('../../tests/sample_answers.json', import.meta.url), 'utf8'));

test('sample rows answer as in the C++ tests, by call and by method', () => {
  for (const [name, args, want] of ROWS) {
    assert.deepEqual(olv.call(name, ...args), want, `${name}(${JSON.stringify(args)})`);
    if (!name.startsWith('_Z')) assert.deepEqual(olv[name](...args), want, name);
  }
});

test('batches answer as single calls', () => {
  for (const [name, args, want] of ROWS) {
    if (typeof want !== 'string') assert.deepEqual(olv.checkMany(name, [args, args]), [want, want], name);
  }
  // Any iterable column, and the sentinel as the loaded module also offers it.
  const pesels = ['44051401359', '4405140135', '', null, '\ud800'];
  const singles = pesels.map((p) => olv.f_KVTElem(121, p, 11));
  assert.deepEqual(olv.checkColumn('f_KVTElem', new Set(pesels), 121, olv.COLUMN, 11), singles);
  assert.deepEqual(olv.checkMany('f_KVTElem', []), []);
});

test('texts keep every UTF-16 unit', () => {
  for (const text of ['\ud800', 'a\udc00b', '\u{1F600}', 'zażółć', 'x'.repeat(5000)]) {
    assert.equal(olv.KVTDelSpacje(` ${text} `), text);
  }
});

test('writers answer their new values keyed by position', () => {
  const { result, out } = olv.call('sl_Now', 'x'.repeat(20));
  assert.ok(result >= 18500101 && result <= 20991231);
  const dd = String(result % 100).padStart(2, '0');
  const mm = String(Math.floor(result / 100) % 100).padStart(2, '0');
  assert.deepEqual(out, { 1: `${dd}${mm}${Math.floor(result / 10000)}` });
});

test('the table lists every export with its parameters', () => {
  const rows = olv.exports();
  assert.ok(rows.length >= 297);
  const elem = rows.find((r) => r.name === 'f_KVTElem');
  assert.deepEqual(elem.params, ['short', 'writable text', 'int']);
  assert.equal(elem.result, 'int');
  assert.equal(typeof olv.f_KVTElem, 'function');
});

test('the catalogue explains findings in both languages', () => {
  // [code, lang, words the text holds]; null when the code is not a finding
  const CASES = [
    [60005401, 'pl', 'PESEL'], [61008801, 'en', 'returned by XP0088_1'],
    [61008801, 'pl', 'zwracany przez XP0088_1'], [12345, 'en', null], [0, 'pl', null],
  ];
  for (const [code, lang, word] of CASES) {
    const text = olv.explain(code, lang);
    if (word === null) assert.equal(text, null, `${code}`);
    else assert.ok(text.includes(word), `${code} ${lang}: ${text}`);
  }
  assert.notEqual(olv.explain(60005401, 'en'), olv.explain(60005401, 'pl'));
  assert.equal(olv.explain(60005401), olv.explain(60005401, 'en'));
});
