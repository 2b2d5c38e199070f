// The declarations as a TypeScript user meets them: compiled with --strict by scripts/wasm.sh test.
import { COLUMN, load, ServiceError } from '../index.js';
import type { Answer, ExportRow } from '../index.js';

const olv = await load({ dictionary: 'sample' });
const pesel: number = olv.f_KVTElem(121, '44051401359', 11) as number;
const written: Answer = olv.sl_Now('x'.repeat(20));
const column: Answer[] = olv.checkColumn('f_KVTElem', ['44051401359'], 121, COLUMN, 11);
const rows: Answer[] = olv.checkMany('XP0088_1', [['x', null]]);
const text: string | null = olv.explain(60005401, 'pl');
const table: ExportRow[] = olv.exports();
olv.useDictionary(null);
console.log(pesel, written, column, rows, text, table.length, ServiceError.name);
