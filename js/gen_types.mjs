// Writes dist/exports.d.ts: every export as a typed method, from the module's own table, so the
// declarations list exactly what the built module calls.
import { writeFileSync } from 'node:fs';

import { load } from './index.mjs';

const PARAM_TYPES = {
  text: 'string | null', 'writable text': 'string | null', 'text list': '(string | null)[] | null',
  int: 'number', unsigned: 'number', short: 'number', bool: 'boolean | number', byte: 'number',
  char: 'string | number', int64: 'number | bigint', 'out int': 'number | null',
  conditions: 'Condition[] | null', 'code table': 'CodeGroup[] | null', BSTR: 'null', pointer: 'null',
};
const RESULT_TYPES = { void: 'null', int: 'number', bool: 'boolean', float: 'number', str: 'string | null', pointer: 'true | null' };

const olv = await load({ dictionary: null });
const seen = new Set();
const lines = [
  '// Generated from the module\'s table of exports by gen_types.mjs; do not edit.',
  "import type { CodeGroup, Condition, WithOut } from '../index.js';",
  '',
  '/** Every export as a method of its name (the first row of a name). */',
  'export interface Exports {',
];
for (const row of olv.exports()) {
  if (seen.has(row.name)) continue;
  seen.add(row.name);
  const params = row.params.map((k, i) => `p${i + 1}: ${PARAM_TYPES[k] ?? 'unknown'}`);
  if (row.variadic) params.push('...texts: (string | null)[]');
  const writes = row.params.some((k) => k === 'writable text' || k === 'out int');
  const result = RESULT_TYPES[row.result] ?? 'unknown';
  if (row.symbol !== row.name) lines.push(`  /** ${row.symbol} */`);
  lines.push(`  ${row.name}(${params.join(', ')}): ${writes ? `${result} | WithOut` : result};`);
}
lines.push('}', '');
writeFileSync(new URL('./dist/exports.d.ts', import.meta.url), lines.join('\n'));
