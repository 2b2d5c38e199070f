// checkColumn's one call per column against the same values called one by one, and the sample
// dictionary built at the first dictionary query rather than at load.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { COLUMN, load } from '../index.mjs';

const olv = await load();

const answerOf = (a) => (a !== null && typeof a === 'object' ? a.result : a);
const PESELS = ['44051401359', '44051401358', '', null, '\ud800', ' 44051401359', 'x'.repeat(600), '4405140135\u0661'];
const NRBS = ['61109010140000071219812874', '61109010140000071219812875', 'PL61109010140000071219812874', '', null];

// [export, values, fixed arguments (COLUMN among them, or the value goes first)]
const COLUMNS = [
  ['f_KVTElem', PESELS, [121, COLUMN, 11]],
  ['f_KVTElem', ['1234563218', '1234563219', '123-456-32-18', null], [117, COLUMN, 14]],
  ['f_KVTElem', ['123456785', '12345678512347', '123456786'], [122, COLUMN, 14]],
  ['GP0004_1', NRBS, []],
  ['KVT_CzyRachBank_IBAN_lub_NRB', NRBS, []],
  ['fb_KVTKodSprawdzArkusze', ['1', '2', '9', '', null], [10023, COLUMN, '01012020']],
  ['KVTDelSpacjeStrcmp', ['  a ', 'b', '', null, '\t'], [COLUMN, 'a']],
  ['KVTDelSpacjeStrcmp', ['  a ', 'b', ''], ['a']],
  ['KVTDelSpacje', [' a ', 'b ', null], []],
  ['isKVTdigit', ['5', 'a', 0x35, 0x661], []],
  ['XP0088_1', ['', '1'], ['01012020', COLUMN]],
  ['XP0088_1', ['x', null], ['y']],
  ['f_KVTElemT_PESEL', PESELS, []],
];

test('a column answers as its values called one by one', () => {
  for (const [name, values, fixed] of COLUMNS) {
    const at = fixed.indexOf(COLUMN);
    const rest = fixed.filter((f) => f !== COLUMN);
    const args = (v) => (at < 0 ? [v, ...rest] : [...rest.slice(0, at), v, ...rest.slice(at)]);
    const single = values.map((v) => answerOf(olv.call(name, ...args(v))));
    assert.deepEqual(olv.checkColumn(name, values, ...fixed), single, name);
  }
});

test('a column larger than the kept block, and an empty one', () => {
  const many = Array.from({ length: 20000 }, (_, i) => PESELS[i % PESELS.length]);
  const answers = olv.checkColumn('f_KVTElem', many, 121, COLUMN, 11);
  assert.equal(answers.length, many.length);
  many.forEach((v, i) => assert.equal(answers[i], answerOf(olv.f_KVTElem(121, v, 11))));
  assert.deepEqual(olv.checkColumn('f_KVTElem', [], 121, COLUMN, 11), []);
});

// [values, fixed, error, words the message holds]
const COLUMN_ERRORS = [
  [['1', '2'], [1 << 20, COLUMN, 11], RangeError, ['f_KVTElem', 'row 1', 'argument 1']],
  [['1', 2], [121, COLUMN, 11], TypeError, ['f_KVTElem', 'row 2', 'argument 2']],
  [['1'], [121, COLUMN], TypeError, ['f_KVTElem', 'row 1']],
  [['1'], [121, COLUMN, 11, 5], TypeError, ['f_KVTElem', 'row 1']],
  [['1'], ['x', COLUMN, 11], TypeError, ['f_KVTElem', 'argument 1']],
];

test('a column that cannot be called names the export, the row and the argument', () => {
  const before = olv.heapInUse();
  for (const [values, fixed, error, words] of COLUMN_ERRORS) {
    assert.throws(() => olv.checkColumn('f_KVTElem', values, ...fixed), (e) => {
      assert.ok(e instanceof error, `${e.constructor.name}: ${e.message}`);
      for (const w of words) assert.ok(e.message.includes(w), `${e.message} lacks ${w}`);
      return true;
    });
  }
  assert.equal(olv.heapInUse(), before);
});

test('the sample dictionary is built at the first dictionary query', async () => {
  const fresh = await load();
  const loaded = fresh.heapInUse();
  fresh.f_KVTElem(121, '44051401359', 11);
  assert.equal(fresh.heapInUse(), loaded);
  assert.equal(fresh.fb_KVTPoleRodzajDokumentu('1'), 0);
  const built = fresh.heapInUse();
  assert.ok(built > loaded, 'the first query builds the dictionary');
  assert.equal(fresh.fb_KVTPoleRodzajDokumentu('7'), -1);
  assert.equal(fresh.heapInUse(), built);
});
