// Times the package's calls beside validate-polish, stdnum and ibantools on the same 1,000
// inputs per kind, in one Node run: the median ns per item of 31 passes after untimed ones, and
// each peer's time as a multiple of ours. Usage: node js/bench.mjs [INPUTS.tsv]  (lines of kind, tab, text; the
// kinds pesel, nip, regon, iban; without a file the inputs are made here, half of them valid).
// The peers are resolved from OLV_NODE_MODULES (scripts/wasm.sh bench installs them there).
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

import { COLUMN, load } from './index.mjs';

const root = fileURLToPath(new URL('..', import.meta.url));
const modules = resolve(process.env.OLV_NODE_MODULES ?? join(root, 'build/wasm/npm/node_modules'));
const peerRequire = createRequire(join(modules, 'x.js'));
const PASSES = 31;
// Untimed passes first, so that the timed ones run the optimized code: a column's call into the
// module is optimized only after some 40 columns of 1,000, one call per item far sooner.
const WARM_UP = 20;
const COLUMN_WARM_UP = 100;

// A small seeded generator, so that every run times the same numbers.
function generator(seed) {
  let s = seed >>> 0;
  return (n) => {
    s = (Math.imul(s, 1664525) + 1013904223) >>> 0;
    return Math.floor((s / 2 ** 32) * n);
  };
}

function makeInputs() {
  const rnd = generator(20240315);
  const digits = (n) => Array.from({ length: n }, () => rnd(10));
  const weighted = (d, w, mod) => d.reduce((sum, x, i) => sum + x * w[i], 0) % mod;
  const make = {
    pesel: () => {
      const d = [rnd(10), rnd(10), 0, 1 + rnd(9), 1 + rnd(2), rnd(9), ...digits(4)];
      return [...d, (10 - weighted(d, [1, 3, 7, 9, 1, 3, 7, 9, 1, 3], 10)) % 10];
    },
    nip: () => {
      for (;;) {
        const d = digits(9);
        const c = weighted(d, [6, 5, 7, 2, 3, 4, 5, 6, 7], 11);
        if (c !== 10) return [...d, c];
      }
    },
    regon: () => {
      const d = digits(8);
      return [...d, weighted(d, [8, 9, 2, 3, 4, 5, 6, 7], 11) % 10];
    },
    iban: () => {
      const d = digits(24);
      const rest = BigInt(`${d.join('')}252100`);
      const check = String(98n - (rest % 97n)).padStart(2, '0');
      return ['P', 'L', ...check.split('').map(Number), ...d];
    },
  };
  const inputs = {};
  for (const [kind, f] of Object.entries(make)) {
    inputs[kind] = Array.from({ length: 1000 }, (_, i) => {
      const d = f();
      if (i % 2) d[d.length - 1] = (d[d.length - 1] + 1 + rnd(8)) % 10;
      return d.join('');
    });
  }
  return inputs;
}

function readInputs(path) {
  const inputs = {};
  for (const line of readFileSync(path, 'utf8').split('\n')) {
    const [kind, text] = line.split('\t');
    if (text !== undefined) (inputs[kind] ??= []).push(text);
  }
  return inputs;
}

let sink = 0;

// Median ns per item of one check over every text, or of one call over the whole column.
function perItem(texts, check) {
  for (let p = 0; p < WARM_UP; ++p) for (const t of texts) if (check(t)) ++sink;
  const passes = [];
  for (let p = 0; p < PASSES; ++p) {
    const start = process.hrtime.bigint();
    for (const t of texts) if (check(t)) ++sink;
    passes.push(Number(process.hrtime.bigint() - start) / texts.length);
  }
  return passes.sort((a, b) => a - b)[PASSES >> 1];
}

function perColumn(texts, column) {
  for (let p = 0; p < COLUMN_WARM_UP; ++p) sink += column(texts).length;
  const passes = [];
  for (let p = 0; p < PASSES; ++p) {
    const start = process.hrtime.bigint();
    sink += column(texts).length;
    passes.push(Number(process.hrtime.bigint() - start) / texts.length);
  }
  return passes.sort((a, b) => a - b)[PASSES >> 1];
}

const inputs = process.argv[2] ? readInputs(process.argv[2]) : makeInputs();
const loadStart = process.hrtime.bigint();
const olv = await load();
const loadMs = Number(process.hrtime.bigint() - loadStart) / 1e6;

// Ours: the dispatcher's element types, and the NRB rule over the IBAN without its country code.
const TYPES = { pesel: 121, nip: 117, regon: 122 };
const nrb = (t) => t.slice(2);
const ours = {};
for (const kind of Object.keys(inputs)) {
  const texts = kind === 'iban' ? inputs[kind].map(nrb) : inputs[kind];
  const single = kind === 'iban' ? (t) => olv.call('GP0004_1', t) : (t) => olv.call('f_KVTElem', TYPES[kind], t, 14);
  const method = kind === 'iban' ? (t) => olv.GP0004_1(t) : (t) => olv.f_KVTElem(TYPES[kind], t, 14);
  const column = kind === 'iban' ? (c) => olv.checkColumn('GP0004_1', c) : (c) => olv.checkColumn('f_KVTElem', c, TYPES[kind], COLUMN, 14);
  // The same column as rows of their own: every row's arguments as records, the general batch.
  const rows = kind === 'iban' ? texts.map((t) => [t]) : texts.map((t) => [TYPES[kind], t, 14]);
  const name = kind === 'iban' ? 'GP0004_1' : 'f_KVTElem';
  ours[kind] = {
    call: perItem(texts, single),
    method: perItem(texts, method),
    checkColumn: perColumn(texts, column),
    checkMany: perColumn(rows, (r) => olv.checkMany(name, r)),
  };
}

// The least any call into a WebAssembly module pays per item: the value's units written into the
// module's memory as checkColumn writes them, with no call and no check.
function unitWriter(texts) {
  const bytes = texts.reduce((n, t) => n + 4 + 2 * (t.length + 1), 0);
  const buffer = new WebAssembly.Memory({ initial: Math.ceil(bytes / 65536) }).buffer;
  const lengths = new Int32Array(buffer, 0, texts.length);
  const units = new Uint16Array(buffer, texts.length * 4);
  return (column) => {
    for (let i = 0, u = 0; i < column.length; ++i) {
      const t = column[i];
      lengths[i] = t.length;
      for (let k = 0; k < t.length; ++k) units[u + k] = t.charCodeAt(k);
      u += t.length;
      units[u++] = 0;
    }
    return column;
  };
}
// And per call: one value's units written and one call of a function that returns at once.
const empty = new WebAssembly.Instance(new WebAssembly.Module(new Uint8Array([
  0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, 0x01, 0x06, 0x01, 0x60, 0x01, 0x7f, 0x01, 0x7f,
  0x03, 0x02, 0x01, 0x00, 0x05, 0x03, 0x01, 0x00, 0x01, 0x07, 0x09, 0x02, 0x01, 0x66, 0x00, 0x00,
  0x01, 0x6d, 0x02, 0x00, 0x0a, 0x06, 0x01, 0x04, 0x00, 0x20, 0x00, 0x0b,
]))).exports;
const emptyUnits = new Uint16Array(empty.m.buffer);
const emptyCall = (t) => {
  for (let k = 0; k < t.length; ++k) emptyUnits[k] = t.charCodeAt(k);
  emptyUnits[t.length] = 0;
  return empty.f(t.length) < 0;
};
for (const kind of Object.keys(inputs)) {
  const texts = kind === 'iban' ? inputs[kind].map(nrb) : inputs[kind];
  ours[kind].floor = perColumn(texts, unitWriter(texts));
  ours[kind].floorCall = perItem(texts, emptyCall);
}

const peers = {};
try {
  const { validatePolish } = peerRequire('validate-polish');
  const { stdnum } = peerRequire('stdnum');
  const ibantools = peerRequire('ibantools');
  peers['validate-polish'] = { pesel: validatePolish.pesel, nip: validatePolish.nip, regon: validatePolish.regon };
  peers.stdnum = {
    pesel: (t) => stdnum.PL.pesel.validate(t).isValid,
    nip: (t) => stdnum.PL.nip.validate(t).isValid,
    regon: (t) => stdnum.PL.regon.validate(t).isValid,
  };
  peers.ibantools = { iban: ibantools.isValidIBAN };
} catch (e) {
  console.error(`peers not found under ${modules} (scripts/wasm.sh bench installs them): ${e.message}`);
}

console.log(`load() ${loadMs.toFixed(1)} ms; ns per item, median of ${PASSES} passes over ${inputs.pesel.length} inputs`);
console.log(['kind', 'who', 'ns/item', 'call÷it', 'checkColumn÷it'].join('\t'));
for (const kind of Object.keys(inputs)) {
  const o = ours[kind];
  console.log([kind, 'olvenir_p call', o.call.toFixed(1), '', ''].join('\t'));
  console.log([kind, 'olvenir_p method', o.method.toFixed(1), '', ''].join('\t'));
  console.log([kind, 'olvenir_p checkColumn', o.checkColumn.toFixed(1), '', ''].join('\t'));
  console.log([kind, 'olvenir_p checkMany', o.checkMany.toFixed(1), '', `checkColumn x${(o.checkMany / o.checkColumn).toFixed(2)}`].join('\t'));
  console.log([kind, 'floor: a column\'s units', o.floor.toFixed(1), '', ''].join('\t'));
  console.log([kind, 'floor: units and a call', o.floorCall.toFixed(1), '', ''].join('\t'));
  for (const [peer, checks] of Object.entries(peers)) {
    if (!checks[kind]) continue;
    const ns = perItem(inputs[kind], checks[kind]);
    console.log([kind, peer, ns.toFixed(1), (ns / o.call).toFixed(2), (ns / o.checkColumn).toFixed(2)].join('\t'));
  }
}
if (sink < 0) console.log(sink);
