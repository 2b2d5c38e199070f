// Olvenir_p for JavaScript: every export of the library by name, over its WebAssembly build.
import createModule from './dist/olvenir_p_wasm.mjs';

const WASM = 'olvenir_p_wasm.wasm';
const IN_NODE = typeof process === 'object' && !!process.versions?.node;

// Where checkColumn puts each value among the fixed arguments.
export const COLUMN = Symbol('olvenir_p.COLUMN');

// The dictionary service left with a failure (the database, memory).
export class ServiceError extends Error {
  constructor(message) {
    super(message);
    this.name = 'ServiceError';
  }
}

// The C face's enumerations, in their fixed order.
const ARG = { NULL: 0, TEXT: 1, INT: 2, BOOL: 3, TEXT_LIST: 4, CONDITIONS: 5, CODE_TABLE: 6 };
const PARAM = { MUTABLE_TEXT: 1, TEXT_LIST: 2, BOOL: 6, INT_OUT: 10, CONDITIONS: 11, CODE_TABLE: 12 };
const RESULT = { VOID: 0, INT: 1, BOOL: 2, DOUBLE: 3, TEXT: 4, OWNED_TEXT: 5, STRING: 6, POINTER: 7 };
const RESULT_NAMES = ['void', 'int', 'bool', 'float', 'str', 'str', 'str', 'pointer'];
const KIND_NAMES = ['plain', 'decorated', 'rule', 'fixed', 'fixed', 'same'];
const ERROR = { OK: 0, TYPE: 1, VALUE: 2, FAILED: 3, NAME: 4 };
const ANY_RESULT = -(2n ** 63n);

// Record sizes and offsets of the wasm32 layout, which the module checks when it is built.
const ARG_SIZE = 32;
const CONDITION_SIZE = 20;
const ENTRY_SIZE = 24;
const GROUP_SIZE = 16;
const OUT_SIZE = 24;
const MAX_GROUPS = 10;
// The block most calls fit in, kept for the life of an instance.
const SCRATCH_SIZE = 128 * 1024;

const align8 = (n) => (n + 7) & ~7;
const describe = (v) => (v === null ? 'null' : Array.isArray(v) ? 'array' : typeof v);

function fail(where, what, got) {
  const tail = arguments.length > 2 ? `, got ${describe(got)}` : '';
  return new TypeError(`${where.name}: argument ${where.position}: ${what}${tail}`);
}

function isInteger(v) {
  return (typeof v === 'number' && Number.isInteger(v)) || typeof v === 'bigint';
}

// A condition or code entry given as an array or as an object of named fields.
function fieldsOf(v, keys, required, where, form) {
  if (Array.isArray(v)) {
    if (v.length < required || v.length > keys.length) throw fail(where, form);
    return keys.map((_, i) => (i < v.length ? v[i] : null));
  }
  if (v === null || typeof v !== 'object') throw fail(where, form, v);
  for (const k of Object.keys(v)) if (!keys.includes(k)) throw fail(where, form);
  return keys.map((k, i) => {
    if (!(k in v) && i < required) throw fail(where, form);
    return k in v ? v[k] : null;
  });
}

function textSize(v, where, what) {
  if (v === null || v === undefined) return 0;
  if (typeof v !== 'string') throw fail(where, what, v);
  return align8((v.length + 1) * 2);
}

function integerOf(v, where, what) {
  if (!isInteger(v)) throw fail(where, what, v);
  return v;
}

const CONDITION_FORM = 'a condition is [column, op, value] or {column, op, value}';
const GROUP_FORM = 'a group is {codes: [...], children: [...]}';
const ENTRY_FORM = 'a code is [code, from, to, alternative?] or an object of those keys';

// Checks one argument for a parameter of `kind` and answers the bytes it needs beyond its record.
function measure(v, kind, where) {
  if (v === null) return 0;
  switch (typeof v) {
    case 'string':
      return textSize(v, where);
    case 'boolean':
      return 0;
    case 'number':
      if (!Number.isInteger(v)) throw fail(where, 'expected an integer', v);
      return 0;
    case 'bigint':
      if (v < -(2n ** 63n) || v >= 2n ** 63n) {
        throw new RangeError(`${where.name}: argument ${where.position}: out of 64 bits`);
      }
      return 0;
  }
  if (kind === PARAM.CODE_TABLE) return measureGroups(v, where);
  if (!Array.isArray(v)) throw fail(where, 'expected a string, number, boolean, null or an array', v);
  if (kind === PARAM.CONDITIONS) {
    let size = align8(v.length * CONDITION_SIZE);
    for (const c of v) {
      const [column, op, value] = fieldsOf(c, ['column', 'op', 'value'], 3, where, CONDITION_FORM);
      integerOf(op, where, CONDITION_FORM);
      if (op < -128 || op > 127) {
        throw new RangeError(`${where.name}: argument ${where.position}: a condition's operator is from -128 to 127`);
      }
      size += textSize(column, where, CONDITION_FORM) + textSize(value, where, CONDITION_FORM);
    }
    return size;
  }
  let size = align8(v.length * 8);
  for (const t of v) size += textSize(t, where, 'expected an array of strings or nulls');
  return size;
}

function measureGroups(v, where) {
  if (!Array.isArray(v)) throw fail(where, 'a code table is an array of at most 10 groups', v);
  if (v.length > MAX_GROUPS) {
    throw new RangeError(`${where.name}: argument ${where.position}: a group array holds at most 10 groups`);
  }
  let size = align8(v.length * GROUP_SIZE);
  for (const g of v) {
    const [codes, children] = fieldsOf(g, ['codes', 'children'], 0, where, GROUP_FORM);
    if (Array.isArray(g)) throw fail(where, GROUP_FORM, g);
    if (codes !== null && codes !== undefined) {
      if (!Array.isArray(codes)) throw fail(where, GROUP_FORM, codes);
      size += align8(codes.length * ENTRY_SIZE);
      for (const e of codes) {
        const [code, from, to, alternative] = fieldsOf(e, ['code', 'from', 'to', 'alternative'], 3, where, ENTRY_FORM);
        integerOf(from, where, ENTRY_FORM);
        integerOf(to, where, ENTRY_FORM);
        size += textSize(code, where, ENTRY_FORM) + textSize(alternative, where, ENTRY_FORM);
      }
    }
    if (children !== null && children !== undefined) size += measureGroups(children, where);
  }
  return size;
}

// Calls whose arguments are texts, integers and nulls that fit the scratch block, written straight
// into it (only the fields of an argument's type are read). The heap's views are closure
// variables, renewed when the memory grew; any other call goes to `general`.
function fastCaller(m, scratch, general, outcome) {
  let u8 = null;
  let u16;
  let i32;
  let u32;
  const renew = () => {
    u8 = m.HEAPU8;
    u16 = new Uint16Array(u8.buffer);
    i32 = new Int32Array(u8.buffer);
    u32 = new Uint32Array(u8.buffer);
  };
  const argsAt = scratch + 8;
  return (row, args) => {
    const n = args.length;
    let size = 8 + n * ARG_SIZE;
    for (let i = 0; i < n; ++i) {
      const v = args[i];
      if (typeof v === 'string') size += (v.length * 2 + 9) & ~7;
      else if (v !== null && !(typeof v === 'number' && v === (v | 0))) return general(row, args);
    }
    if (size > SCRATCH_SIZE) return general(row, args);
    if (u8 !== m.HEAPU8) renew();
    let cursor = argsAt + n * ARG_SIZE;
    for (let i = 0, w = argsAt >> 2; i < n; ++i, w += ARG_SIZE / 4) {
      const v = args[i];
      if (typeof v === 'string') {
        const length = v.length;
        i32[w] = ARG.TEXT;
        u32[w + 4] = cursor;
        u32[w + 5] = length;
        const at = cursor >> 1;
        for (let k = 0; k < length; ++k) u16[at + k] = v.charCodeAt(k);
        u16[at + length] = 0;
        cursor += (length * 2 + 9) & ~7;
      } else if (v === null) {
        i32[w] = ARG.NULL;
      } else {
        i32[w] = ARG.INT;
        i32[w + 2] = v;
        i32[w + 3] = v >> 31;
      }
    }
    if (row.numbers && m._olv_call_direct(row.ptr, argsAt, n, scratch)) {
      if (u8 !== m.HEAPU8) renew();
      const lo = u32[scratch >> 2];
      const hi = i32[(scratch >> 2) + 1];
      return row.result === RESULT.BOOL ? (lo | hi) !== 0 : hi * 4294967296 + lo;
    }
    return outcome(row, argsAt, n);
  };
}

// One module instance and the calls over it.
class Olvenir {
  #m;
  #rows = [];
  #byName = new Map();
  // A symbol's row, or else the first row of a name.
  #lookup = new Map();
  #heap = null;
  #scratch;
  #fast;

  constructor(m) {
    this.#m = m;
    this.#scratch = m._malloc(SCRATCH_SIZE);
    if (!this.#scratch) throw new RangeError('olvenir_p: the module ran out of memory');
    this.#fast = fastCaller(m, this.#scratch, (row, args) => this.#callGeneral(row, args),
      (row, argsAt, n) => this.#outcomeCall(row, argsAt, n));
    const count = m._olv_export_count();
    for (let i = 0; i < count; ++i) this.#rows.push(this.#readRow(m._olv_export_at(i), i));
    for (const row of this.#rows) {
      if (!this.#byName.has(row.name)) this.#byName.set(row.name, row);
    }
    this.COLUMN = COLUMN;
    for (const [name, row] of this.#byName) this.#lookup.set(name, row);
    for (const row of this.#rows) this.#lookup.set(row.symbol, row);
    for (const [name, row] of this.#byName) {
      const fast = this.#fast;
      if (!(name in this)) this[name] = (...args) => fast(row, args);
    }
  }

  // The heap's views, anew after the memory grew (the module then makes new views of its own).
  #views() {
    const u8 = this.#m.HEAPU8;
    if (this.#heap?.u8 === u8) return this.#heap;
    const buffer = u8.buffer;
    this.#heap = {
      u8,
      u16: new Uint16Array(buffer),
      i32: new Int32Array(buffer),
      u32: new Uint32Array(buffer),
      view: new DataView(buffer),
    };
    return this.#heap;
  }

  #string(ptr) {
    return ptr ? this.#m.UTF8ToString(ptr) : null;
  }

  #readRow(p, index) {
    const h = this.#views();
    const w = p >> 2;
    const paramCount = h.u32[w + 4];
    const params = Array.from(h.u8.subarray(h.u32[w + 3], h.u32[w + 3] + paramCount));
    const results = [];
    for (let i = 0, r = h.u32[w + 7]; i < h.u32[w + 8]; ++i) results.push(h.view.getBigInt64(r + 8 * i, true));
    return {
      index,
      ptr: p,
      name: this.#string(h.u32[w]),
      symbol: this.#string(h.u32[w + 1]),
      kind: h.i32[w + 2],
      params,
      variadic: h.i32[w + 5] !== 0,
      result: h.i32[w + 6],
      results,
      sameAs: this.#string(h.u32[w + 9]),
      numbers: (h.i32[w + 6] === RESULT.INT || h.i32[w + 6] === RESULT.BOOL) && !params.includes(PARAM.INT_OUT),
    };
  }

  #row(name) {
    if (typeof name !== 'string') throw new TypeError(`an export's name is a string, got ${describe(name)}`);
    const row = this.#lookup.get(name);
    if (!row) throw new RangeError(`no export is named ${JSON.stringify(name)}`);
    return row;
  }

  #text(h, v, at) {
    for (let i = 0, u = at >> 1; i < v.length; ++i) h.u16[u + i] = v.charCodeAt(i);
    h.u16[(at >> 1) + v.length] = 0;
  }

  // Writes a text (or null) as an olv_text at `rec`, its units at `cursor`; the cursor after them.
  #putText(h, v, rec, cursor) {
    if (v === null || v === undefined) {
      h.u32[rec >> 2] = 0;
      h.u32[(rec >> 2) + 1] = 0;
      return cursor;
    }
    this.#text(h, v, cursor);
    h.u32[rec >> 2] = cursor;
    h.u32[(rec >> 2) + 1] = v.length;
    return cursor + align8((v.length + 1) * 2);
  }

  // Writes one measured argument as an olv_arg at `rec`; the cursor after its data.
  #putArg(h, v, kind, rec, cursor) {
    const w = rec >> 2;
    h.u32[w] = 0;
    h.u32[w + 1] = 0;
    h.u32[w + 2] = 0;
    h.u32[w + 3] = 0;
    h.u32[w + 4] = 0;
    h.u32[w + 5] = 0;
    h.u32[w + 6] = 0;
    h.u32[w + 7] = 0;
    if (v === null) return cursor;
    switch (typeof v) {
      case 'string':
        h.i32[w] = ARG.TEXT;
        return this.#putText(h, v, rec + 16, cursor);
      case 'boolean':
        h.i32[w] = ARG.BOOL;
        h.i32[w + 2] = v ? 1 : 0;
        return cursor;
      case 'number': {
        const hi = Math.floor(v / 4294967296);
        h.i32[w] = ARG.INT;
        h.u32[w + 2] = v - hi * 4294967296;
        h.i32[w + 3] = hi;
        return cursor;
      }
      case 'bigint':
        h.i32[w] = ARG.INT;
        h.view.setBigInt64(rec + 8, v, true);
        return cursor;
    }
    if (kind === PARAM.CODE_TABLE) {
      h.i32[w] = ARG.CODE_TABLE;
      h.u32[w + 6] = cursor;
      h.u32[w + 7] = v.length;
      return this.#putGroups(h, v, cursor);
    }
    if (kind === PARAM.CONDITIONS) {
      h.i32[w] = ARG.CONDITIONS;
      h.u32[w + 6] = cursor;
      h.u32[w + 7] = v.length;
      let data = cursor + align8(v.length * CONDITION_SIZE);
      v.forEach((c, i) => {
        const [column, op, value] = Array.isArray(c) ? c : [c.column, c.op, c.value];
        const at = cursor + i * CONDITION_SIZE;
        data = this.#putText(h, column, at, data);
        h.i32[(at >> 2) + 2] = Number(op);
        data = this.#putText(h, value, at + 12, data);
      });
      return data;
    }
    h.i32[w] = ARG.TEXT_LIST;
    h.u32[w + 6] = cursor;
    h.u32[w + 7] = v.length;
    let data = cursor + align8(v.length * 8);
    v.forEach((t, i) => (data = this.#putText(h, t, cursor + i * 8, data)));
    return data;
  }

  #putGroups(h, groups, at) {
    let data = at + align8(groups.length * GROUP_SIZE);
    groups.forEach((g, i) => {
      const rec = (at + i * GROUP_SIZE) >> 2;
      h.u32.fill(0, rec, rec + GROUP_SIZE / 4);
      if (g.codes) {
        h.u32[rec] = data;
        h.u32[rec + 1] = g.codes.length;
        let entries = data;
        data += align8(g.codes.length * ENTRY_SIZE);
        for (const e of g.codes) {
          const [code, from, to, alternative] = Array.isArray(e) ? e : [e.code, e.from, e.to, e.alternative];
          data = this.#putText(h, code, entries, data);
          h.i32[(entries >> 2) + 2] = Number(from);
          h.i32[(entries >> 2) + 3] = Number(to);
          data = this.#putText(h, alternative, entries + 16, data);
          entries += ENTRY_SIZE;
        }
      }
      if (g.children) {
        h.u32[rec + 2] = data;
        h.u32[rec + 3] = g.children.length;
        data = this.#putGroups(h, g.children, data);
      }
    });
    return data;
  }

  // What parameter `i` takes; a variable list's texts are texts.
  static #kind(row, i) {
    return i < row.params.length ? row.params[i] : 0;
  }

  // Checks every argument and answers the bytes their data needs beyond their records.
  #measureAll(row, args) {
    let size = 0;
    for (let i = 0; i < args.length; ++i) {
      const v = args[i];
      if (typeof v === 'string') size += (v.length * 2 + 9) & ~7;
      else if (v !== null && typeof v !== 'boolean' && !(typeof v === 'number' && Number.isInteger(v))) {
        size += measure(v, Olvenir.#kind(row, i), { name: row.name, position: i + 1 });
      }
    }
    return size;
  }

  #error(row, code, message, prefix = '') {
    const text = `${row.name}: ${prefix}${message ?? ''}`;
    if (code === ERROR.VALUE) return new RangeError(text);
    if (code === ERROR.FAILED) return new ServiceError(text);
    return new TypeError(text);
  }

  #readText(h, ptr, length) {
    if (!ptr) return null;
    let s = '';
    for (let at = ptr >> 1, end = at + length; at < end; at += 4096) {
      s += String.fromCharCode.apply(null, h.u16.subarray(at, Math.min(end, at + 4096)));
    }
    return s;
  }

  #answerOf(row, o) {
    if (!o) throw new RangeError(`${row.name}: the module ran out of memory`);
    const h = this.#views();
    const w = o >> 2;
    if (h.i32[w] !== ERROR.OK) throw this.#error(row, h.i32[w], this.#string(h.u32[w + 1]));
    let answer;
    switch (h.i32[w + 2]) {
      case RESULT.VOID:
        answer = null;
        break;
      case RESULT.BOOL:
        answer = h.view.getBigInt64(o + 16, true) !== 0n;
        break;
      case RESULT.DOUBLE:
        answer = h.view.getFloat64(o + 24, true);
        break;
      case RESULT.TEXT:
      case RESULT.OWNED_TEXT:
      case RESULT.STRING:
        answer = this.#readText(h, h.u32[w + 8], h.u32[w + 9]);
        break;
      case RESULT.POINTER:
        answer = h.i32[w + 10] ? null : true;
        break;
      default:
        answer = Number(h.view.getBigInt64(o + 16, true));
    }
    const count = h.u32[w + 12];
    if (count === 0) return answer;
    const out = {};
    for (let i = 0, p = h.u32[w + 11]; i < count; ++i, p += OUT_SIZE) {
      const position = h.u32[p >> 2];
      out[position] = h.i32[(p >> 2) + 1]
        ? this.#readText(h, h.u32[(p >> 2) + 4], h.u32[(p >> 2) + 5])
        : Number(h.view.getBigInt64(p + 8, true));
    }
    return { result: answer, out };
  }

  // A block of the module's memory for one call: the scratch block when it is large enough
  // (calls never nest), else one of its own that the caller frees.
  #block(row, size) {
    if (size <= SCRATCH_SIZE) return this.#scratch;
    const block = this.#m._malloc(size);
    if (!block) throw new RangeError(`${row.name}: the module ran out of memory`);
    return block;
  }

  // The answer of olv_call over arguments already written, and the outcome freed.
  #outcomeCall(row, argsAt, n) {
    const m = this.#m;
    const o = m._olv_call(row.ptr, argsAt, n);
    try {
      return this.#answerOf(row, o);
    } finally {
      m._olv_outcome_free(o);
    }
  }

  #callGeneral(row, args) {
    const m = this.#m;
    const n = args.length;
    const size = 8 + n * ARG_SIZE + this.#measureAll(row, args);
    const block = this.#block(row, size);
    try {
      const h = this.#views();
      const argsAt = block + 8;
      let cursor = argsAt + n * ARG_SIZE;
      for (let i = 0; i < n; ++i) cursor = this.#putArg(h, args[i], Olvenir.#kind(row, i), argsAt + i * ARG_SIZE, cursor);
      if (row.numbers && m._olv_call_direct(row.ptr, argsAt, n, block)) {
        const v = this.#views();
        const lo = v.u32[block >> 2];
        const hi = v.i32[(block >> 2) + 1];
        return row.result === RESULT.BOOL ? (lo | hi) !== 0 : hi * 4294967296 + lo;
      }
      const o = m._olv_call(row.ptr, argsAt, n);
      try {
        return this.#answerOf(row, o);
      } finally {
        m._olv_outcome_free(o);
      }
    } finally {
      if (block !== this.#scratch) m._free(block);
    }
  }

  // Bytes one argument needs, its errors naming the row.
  #measureIn(row, v, k, r) {
    if (typeof v === 'string') return (v.length * 2 + 9) & ~7;
    if (v === null || typeof v === 'boolean' || (typeof v === 'number' && Number.isInteger(v))) return 0;
    try {
      return measure(v, Olvenir.#kind(row, k), { name: row.name, position: k + 1 });
    } catch (e) {
      if (r >= 0) e.message = e.message.replace(`${row.name}: `, `${row.name}: row ${r + 1}: `);
      throw e;
    }
  }

  // Rows of arguments; with `fixed`, every row is the fixed arguments with its value put in at
  // `column`, and the fixed arguments are written once, their records copied to every row.
  #many(row, rows, fixed, column) {
    const m = this.#m;
    const count = rows.length;
    if (!fixed) {
      rows.forEach((r, i) => {
        if (!Array.isArray(r)) throw new TypeError(`${row.name}: row ${i + 1}: a row is an array of arguments, got ${describe(r)}`);
      });
    }
    const width = fixed ? fixed.length + 1 : count ? rows[0].length : 0;
    const argsOf = (i) => (fixed ? [...fixed.slice(0, column), rows[i], ...fixed.slice(column)] : rows[i]);
    if (!row.numbers || count === 0 || (!fixed && rows.some((r) => r.length !== width))) {
      return Array.from({ length: count }, (_, i) => this.#fast(row, argsOf(i)));
    }
    const template = fixed ? argsOf(0) : null;
    let data = 0;
    if (fixed) {
      for (let k = 0; k < width; ++k) if (k !== column) data += this.#measureIn(row, template[k], k, -1);
      for (let i = 0; i < count; ++i) data += this.#measureIn(row, rows[i], column, i);
    } else {
      for (let i = 0; i < count; ++i) for (let k = 0; k < width; ++k) data += this.#measureIn(row, rows[i][k], k, i);
    }
    const rowSize = width * ARG_SIZE;
    const block = this.#block(row, count * 8 + count * rowSize + data);
    try {
      const h = this.#views();
      const argsAt = block + count * 8;
      let cursor = argsAt + count * rowSize;
      if (fixed) {
        for (let k = 0; k < width; ++k) {
          if (k !== column) cursor = this.#putArg(h, template[k], Olvenir.#kind(row, k), argsAt + k * ARG_SIZE, cursor);
        }
        const kind = Olvenir.#kind(row, column);
        const { u16, i32, u32 } = h;
        const words = rowSize >> 2;
        const first = argsAt >> 2;
        for (let i = 0, rec = argsAt; i < count; ++i, rec += rowSize) {
          const w = rec >> 2;
          if (i) for (let k = 0; k < words; ++k) u32[w + k] = u32[first + k];
          const v = rows[i];
          if (typeof v !== 'string') {
            cursor = this.#putArg(h, v, kind, rec + column * ARG_SIZE, cursor);
            continue;
          }
          // A text in the column, inline: only the fields of its type are read.
          const at = w + (column * ARG_SIZE) / 4;
          const length = v.length;
          i32[at] = ARG.TEXT;
          u32[at + 4] = cursor;
          u32[at + 5] = length;
          const unit = cursor >> 1;
          for (let k = 0; k < length; ++k) u16[unit + k] = v.charCodeAt(k);
          u16[unit + length] = 0;
          cursor += (length * 2 + 9) & ~7;
        }
      } else {
        for (let i = 0, rec = argsAt; i < count; ++i) {
          for (let k = 0; k < width; ++k, rec += ARG_SIZE) cursor = this.#putArg(h, rows[i][k], Olvenir.#kind(row, k), rec, cursor);
        }
      }
      const o = m._olv_call_many(row.ptr, argsAt, width, count, block);
      if (o) this.#throwRow(row, o);
      return this.#numbers(row, block, count);
    } finally {
      if (block !== this.#scratch) m._free(block);
    }
  }

  // A column of texts and nulls: the fixed arguments' records written once, every value's units
  // one after another, and one call into the module that runs the export over all of them.
  #column(row, values, fixed, column) {
    const m = this.#m;
    const count = values.length;
    const width = fixed.length + 1;
    let units = 0;
    for (let i = 0; i < count; ++i) {
      const v = values[i];
      if (typeof v === 'string') units += v.length + 1;
      else if (v === null) units += 1;
      else return null;
    }
    const template = [...fixed.slice(0, column), null, ...fixed.slice(column)];
    let data = 0;
    for (let k = 0; k < width; ++k) if (k !== column) data += this.#measureIn(row, template[k], k, -1);
    const argsSize = width * ARG_SIZE + data;
    const block = this.#block(row, count * 12 + argsSize + align8(count * 4) + units * 2);
    try {
      const h = this.#views();
      const argsAt = block + count * 8;
      let cursor = argsAt + width * ARG_SIZE;
      for (let k = 0; k < width; ++k) cursor = this.#putArg(h, template[k], Olvenir.#kind(row, k), argsAt + k * ARG_SIZE, cursor);
      const starts = argsAt + argsSize;
      const lengths = starts + count * 4;
      const unitsAt = lengths + align8(count * 4);
      // Every value is followed by a terminator, a null by the terminator alone.
      const { u16, i32, u32 } = h;
      for (let i = 0, s = starts >> 2, l = lengths >> 2, u = unitsAt >> 1, at = 0; i < count; ++i) {
        const v = values[i];
        u32[s + i] = at;
        if (v === null) {
          i32[l + i] = -1;
        } else {
          const length = v.length;
          i32[l + i] = length;
          for (let k = 0; k < length; ++k) u16[u + k] = v.charCodeAt(k);
          u += length;
          at += length;
        }
        u16[u++] = 0;
        ++at;
      }
      const o = m._olvjs_check_column(row.ptr, argsAt, width, column, unitsAt, starts, lengths, count, block);
      if (o) this.#throwRow(row, o);
      return this.#numbers(row, block, count);
    } finally {
      if (block !== this.#scratch) m._free(block);
    }
  }

  // The error of a failed row's outcome, the outcome freed.
  #throwRow(row, o) {
    try {
      const v = this.#views();
      const failed = v.u32[(o >> 2) + 13];
      throw this.#error(row, v.i32[o >> 2], this.#string(v.u32[(o >> 2) + 1]), `row ${failed + 1}: `);
    } finally {
      this.#m._olv_outcome_free(o);
    }
  }

  // `count` answers written as 64-bit numbers at `at`.
  #numbers(row, at, count) {
    const { u32, i32 } = this.#views();
    const answers = new Array(count);
    if (row.result === RESULT.BOOL) {
      for (let i = 0, w = at >> 2; i < count; ++i, w += 2) answers[i] = (u32[w] | i32[w + 1]) !== 0;
    } else {
      for (let i = 0, w = at >> 2; i < count; ++i, w += 2) answers[i] = i32[w + 1] * 4294967296 + u32[w];
    }
    return answers;
  }

  // Calls an export by its name or symbol.
  call(name, ...args) {
    return this.#fast(this.#row(name), args);
  }

  // One export over rows of arguments: an array of answers in order.
  checkMany(name, rows) {
    const row = this.#row(name);
    if (!Array.isArray(rows)) rows = Array.from(rows ?? [], (r) => r);
    return this.#many(row, rows, null, 0);
  }

  // One export over a column of values: each value goes where COLUMN stands among the fixed
  // arguments, or first when none does.
  checkColumn(name, values, ...fixed) {
    const row = this.#row(name);
    const at = fixed.reduce((found, f, i) => (f === COLUMN ? [...found, i] : found), []);
    if (at.length > 1) throw new TypeError(`${row.name}: COLUMN may stand once among the fixed arguments`);
    const rest = fixed.filter((f) => f !== COLUMN);
    const list = Array.isArray(values) ? values : Array.from(values ?? []);
    const column = at.length ? at[0] : 0;
    if (row.numbers && list.length) {
      const answers = this.#column(row, list, rest, column);
      if (answers) return answers;
    }
    return this.#many(row, list, rest, column);
  }

  // What a finding code means, in English ("en") or Polish ("pl"); null when it is not one of the
  // library's findings.
  explain(code, lang = 'en') {
    if (lang !== 'en' && lang !== 'pl') throw new RangeError("explain: lang is 'en' or 'pl'");
    if (!Number.isInteger(code) || code < -(2 ** 31) || code >= 2 ** 31) return null;
    const p = this.#m._olvjs_explain(code, lang === 'pl' ? 1 : 0);
    if (!p) return null;
    try {
      return this.#m.UTF8ToString(p);
    } finally {
      this.#m._free(p);
    }
  }

  // Every export: its name, symbol, kind, parameter kinds, whether it takes a variable list of
  // texts, its result kind, its allowed results and the name it answers for.
  exports() {
    const m = this.#m;
    return this.#rows.map((r) => ({
      name: r.name,
      symbol: r.symbol,
      kind: KIND_NAMES[r.kind],
      params: r.params.map((k) => m.UTF8ToString(m._olv_param_kind_name(k))),
      variadic: r.variadic,
      result: RESULT_NAMES[r.result],
      results: r.results.map((v) => (v === ANY_RESULT ? 'any' : v === ANY_RESULT + 1n ? 'any code' : Number(v))),
      same_as: r.sameAs,
    }));
  }

  // Answers dictionary queries from `source`: the database file's bytes, "sample" for the sample
  // built in, or null for none.
  useDictionary(source) {
    const m = this.#m;
    let path = null;
    if (source === 'sample') {
      path = 'sample';
    } else if (source instanceof Uint8Array || source instanceof ArrayBuffer) {
      path = '/dictionary.db';
      m.FS.writeFile(path, source instanceof ArrayBuffer ? new Uint8Array(source) : source);
    } else if (source !== null) {
      throw new TypeError('useDictionary: source is the bytes of a database, "sample" or null');
    }
    let c = 0;
    if (path) {
      const size = m.lengthBytesUTF8(path) + 1;
      c = m._malloc(size);
      m.stringToUTF8(path, c, size);
    }
    try {
      const error = m._olvjs_use_dictionary(c);
      if (error) {
        const message = m.UTF8ToString(error);
        m._free(error);
        throw new ServiceError(`useDictionary: ${message}`);
      }
    } finally {
      if (c) m._free(c);
    }
  }

  // Bytes of the module's heap in use, for a check that calls give back what they take.
  heapInUse() {
    return this.#m._olvjs_heap_in_use();
  }
}

// The module compiled once for every instance: from the file beside this one in Node, fetched
// by its relative address in the browser (streamed when the server names it application/wasm).
let compiled = null;

function compileModule() {
  const url = new URL(`./dist/${WASM}`, import.meta.url);
  if (IN_NODE && url.protocol === 'file:') {
    return import('node:fs/promises').then(({ readFile }) => readFile(url)).then((bytes) => WebAssembly.compile(bytes));
  }
  const whole = () => fetch(url).then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes));
  if (typeof WebAssembly.compileStreaming !== 'function') return whole();
  return WebAssembly.compileStreaming(fetch(url)).catch(whole);
}

// A new instance of the library; its dictionary queries are answered from `dictionary`: the
// sample built in (the default), a database's bytes, or null for none.
export async function load({ dictionary = 'sample' } = {}) {
  let failed;
  const failure = new Promise((_, reject) => {
    failed = reject;
  });
  // The module's glue instantiates through this hook, so that every instance shares one compile.
  const instantiateWasm = (imports, receive) => {
    compiled ??= compileModule();
    compiled
      .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
      .catch((e) => {
        compiled = null;
        failed(e);
      });
    return {};
  };
  const m = await Promise.race([createModule({ instantiateWasm, print: () => {}, printErr: () => {} }), failure]);
  const api = new Olvenir(m);
  api.useDictionary(dictionary);
  return api;
}
