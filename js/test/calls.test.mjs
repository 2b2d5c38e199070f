// Wrong arguments name the export and the argument; the module's heap is where it was after a
// million calls. Every export's answers are compared with the native library's in native.test.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { COLUMN, ServiceError, load } from '../index.mjs';

const olv = await load();
const EXPORTS = olv.exports();

// A good argument per parameter kind.
const GOOD = {
  text: '1', 'writable text': '01012020', 'text list': ['1', null], int: 1, unsigned: 1, short: 121,
  bool: true, byte: 0x61, char: 'a', int64: 1, 'out int': 0, conditions: [['KOD', 0, 'x']],
  'code table': [], BSTR: null, pointer: null,
};
const goodArgs = (row) => [...row.params.map((k) => GOOD[k]), ...(row.variadic ? ['1', null] : [])];

// A lookup the sample dictionary cannot answer fails as the service's error, nothing else.
function tolerant(f) {
  try {
    return f();
  } catch (e) {
    if (!(e instanceof ServiceError)) throw e;
    return undefined;
  }
}

test('a wrong count is a TypeError naming the export', () => {
  for (const row of EXPORTS) {
    if ((row.variadic && !row.params.length) || (!row.params.length && row.kind === 'fixed')) continue;
    const args = row.variadic ? [] : [...goodArgs(row), null];
    assert.throws(() => olv.call(row.symbol, ...args), (e) => e instanceof TypeError && e.message.includes(row.name), row.symbol);
  }
});

// [call, error, words the message holds]
const ERRORS = [
  [() => olv.f_KVTElem(121, 5, 11), TypeError, ['f_KVTElem', 'argument 2']],
  [() => olv.f_KVTElem(121, 1.5, 11), TypeError, ['f_KVTElem', 'argument 2', 'number']],
  [() => olv.f_KVTElem(121, {}, 11), TypeError, ['f_KVTElem', 'argument 2', 'object']],
  [() => olv.f_KVTElem(121, undefined, 11), TypeError, ['f_KVTElem', 'argument 2', 'undefined']],
  [() => olv.f_KVTElem(121, Symbol('x'), 11), TypeError, ['f_KVTElem', 'argument 2']],
  [() => olv.f_KVTElem(1 << 20, '1', 11), RangeError, ['f_KVTElem', 'argument 1']],
  [() => olv.f_KVTElem(2n ** 80n, '1', 11), RangeError, ['f_KVTElem', 'argument 1']],
  [() => olv.f_KVTElem(NaN, '1', 11), TypeError, ['f_KVTElem', 'argument 1']],
  [() => olv.f_KVTElem(121), TypeError, ['f_KVTElem', '3 arguments']],
  [() => olv.XP0088_1('a', 'b', 'c'), TypeError, ['XP0088_1']],
  [() => olv.f_KVTElemT_LITERA('ab'), TypeError, ['f_KVTElemT_LITERA', 'argument 1']],
  [() => olv.call('no_such_export'), RangeError, ['no_such_export']],
  [() => olv.call(5), TypeError, ['name']],
  [() => olv.checkMany('f_KVTElem', [[121, '1', 11], [121, 7, 11]]), TypeError, ['f_KVTElem', 'row 2', 'argument 2']],
  [() => olv.checkMany('f_KVTElem', [[121, '1', 11], 'x']), TypeError, ['f_KVTElem', 'row 2']],
  [() => olv.checkMany('f_KVTElem', [[121, '1', 11], [1 << 20, '1', 11]]), RangeError, ['f_KVTElem', 'row 2', 'argument 1']],
  [() => olv.checkColumn('f_KVTElem', ['1'], COLUMN, COLUMN), TypeError, ['COLUMN']],
  [() => olv.call('sl_DajWartoscZeSlownikaW', 'x', [['c', 999, 'v']], 1, 'y'), RangeError, ['argument 2']],
  [() => olv.call('sl_DajWartoscZeSlownikaW', 'x', [5], 1, 'y'), TypeError, ['argument 2', 'condition']],
  [() => olv.call('sl_DajWartoscZeSlownikaW', 'x', [{ column: 'c', op: 0, value: 'v', extra: 1 }], 1, 'y'), TypeError, ['argument 2', 'condition']],
  [() => olv.call('f_KVTElemT_PESEL', ...Array(40).fill('1')), TypeError, ['f_KVTElemT_PESEL']],
  [() => olv.call('sl_NajwczesniejszaData', ...Array(40).fill('01012020')), RangeError, ['sl_NajwczesniejszaData', '32']],
  [() => olv.useDictionary(new Uint8Array([1, 2, 3])), ServiceError, ['useDictionary']],
  [() => olv.useDictionary('/some/path.db'), TypeError, ['useDictionary']],
  [() => olv.explain(61008801, 'de'), RangeError, ['lang']],
];

test('errors name the export and the argument', () => {
  for (const [call, error, words] of ERRORS) {
    assert.throws(call, (e) => {
      assert.ok(e instanceof error, `${e.constructor.name}: ${e.message}`);
      for (const w of words) assert.ok(e.message.includes(w), `${e.message} lacks ${w}`);
      return true;
    });
  }
  olv.useDictionary('sample');
});

test('code tables of every shape are taken', () => {
  const row = EXPORTS.find((r) => r.params.includes('code table'));
  if (!row) return;
  const tables = [
    [],
    [{ codes: [['01', 20000101, 20991231]] }],
    [{ codes: [{ code: '01', from: 0, to: 0, alternative: '02' }], children: [{ codes: [] }] }],
    [{ codes: null, children: null }],
  ];
  for (const table of tables) {
    const a = olv.call(row.symbol, ...row.params.map((k) => (k === 'code table' ? table : GOOD[k])));
    assert.ok(row.results.includes(a), `${row.symbol} answered ${a}`);
  }
  const eleven = Array.from({ length: 11 }, () => ({ codes: [] }));
  const args = row.params.map((k) => (k === 'code table' ? eleven : GOOD[k]));
  assert.throws(() => olv.call(row.symbol, ...args), RangeError);
});

test("a million calls give back the module's heap", () => {
  for (let i = 0; i < 1000; ++i) olv.f_KVTElem(121, '44051401359', 11);
  // The sample dictionary is built at the first query, and its statements kept from then on;
  // the clock reads the time zone once.
  tolerant(() => olv.call('sl_DajWartoscZeSlownikaW', 'x', [['KOD', 0, 'x']], 1, 'y'));
  olv.call('sl_Now', 'x'.repeat(20));
  const before = olv.heapInUse();
  const pesels = ['44051401359', '44051401358', '', null, '\ud800'];
  for (let i = 0; i < 1_000_000; ++i) olv.f_KVTElem(121, pesels[i % 5], 11);
  for (let i = 0; i < 1000; ++i) {
    olv.KVTDelSpacje(' x ');
    olv.call('sl_Now', 'x'.repeat(20));
    olv.checkColumn('f_KVTElem', pesels, 121, COLUMN, 11);
    assert.throws(() => olv.f_KVTElem(1 << 20, '44051401359', 11));
    assert.throws(() => olv.checkMany('f_KVTElem', [[121, '1', 11], [1 << 20, '1', 11]]));
    tolerant(() => olv.call('sl_DajWartoscZeSlownikaW', 'x', [['KOD', 0, 'x']], 1, 'y'));
  }
  // Blocks too large for the kept scratch block are the module's own, and freed.
  const long = ` ${'x'.repeat(40000)} `;
  const column = Array(3000).fill('44051401359');
  for (let i = 0; i < 100; ++i) {
    assert.equal(olv.KVTDelSpacje(long).length, 40000);
    assert.equal(olv.checkColumn('f_KVTElem', column, 121, COLUMN, 11).length, 3000);
    assert.throws(() => olv.checkColumn('f_KVTElem', [...column, 5], 121, COLUMN, 11), TypeError);
    assert.throws(() => olv.f_KVTElem(1 << 20, long, 11), RangeError);
    assert.throws(() => olv.checkColumn('f_KVTElem', column, 1 << 20, COLUMN, 11), RangeError);
  }
  assert.equal(olv.heapInUse(), before);
});

// A database of a user's own: the sample's schema with document type 7 as its only type.
function ownDatabase() {
  const dir = mkdtempSync(join(tmpdir(), 'olv-js-'));
  const path = join(dir, 'own.db');
  const sql = readFileSync(new URL('../../service/sample_dictionary.sql', import.meta.url), 'utf8')
    .replace(/\(10023, '[12]', NULL, NULL\)/g, "(10023, '7', NULL, NULL)");
  execFileSync('python3', ['-c', 'import sqlite3, sys; sqlite3.connect(sys.argv[1]).executescript(sys.stdin.read())', path], { input: sql });
  const bytes = readFileSync(path);
  rmSync(dir, { recursive: true });
  return bytes;
}

test('dictionaries: the sample, a database of its own, and none', async () => {
  // [source, answer of document type 1, answer of document type 7]
  const CASES = [
    ['sample', 0, -1],
    [ownDatabase(), -1, 0],
  ];
  for (const [dictionary, one, seven] of CASES) {
    const olvd = await load({ dictionary });
    assert.equal(olvd.fb_KVTPoleRodzajDokumentu('1'), one);
    assert.equal(olvd.fb_KVTPoleRodzajDokumentu('7'), seven);
    assert.equal(olvd.f_KVTElem(10023, '7', 1), seven);
  }
  const none = await load({ dictionary: null });
  assert.ok([0, -1].includes(none.fb_KVTPoleRodzajDokumentu('7')));
});
