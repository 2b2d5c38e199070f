// Olvenir_p for JavaScript: the types of the package's API.
import type { Exports } from './dist/exports.js';

/** Where checkColumn puts each value among the fixed arguments. */
export declare const COLUMN: unique symbol;

/** The dictionary service left with a failure (the database, memory). */
export declare class ServiceError extends Error {}

/** A condition of a lookup: [column, op, value] or an object of those keys. */
export type Condition =
  | [column: string | null, op: number, value: string | null]
  | { column: string | null; op: number; value: string | null };

/** A code of a host-built table: [code, from, to, alternative?] or an object of those keys. */
export type CodeEntry =
  | [code: string | null, from: number, to: number, alternative?: string | null]
  | { code: string | null; from: number; to: number; alternative?: string | null };

/** A group of a host-built code table; an array holds at most 10 groups. */
export interface CodeGroup {
  codes?: CodeEntry[] | null;
  children?: CodeGroup[] | null;
}

/** One argument: a text (UTF-16, as JavaScript strings are), null for a null pointer, an
 * integer, a boolean, a text list, conditions or a code table. */
export type Argument =
  | string
  | null
  | number
  | bigint
  | boolean
  | (string | null)[]
  | Condition[]
  | CodeGroup[];

/** The answer of an export that writes into a text or an out-integer: `out` keyed by the
 * argument's position from 1. */
export interface WithOut {
  result: number | boolean | string | null;
  out: Record<number, string | number | null>;
}

export type Answer = number | boolean | string | null | WithOut;

/** One export as the table defines it. */
export interface ExportRow {
  name: string;
  symbol: string;
  kind: 'plain' | 'decorated' | 'rule' | 'fixed' | 'same';
  params: string[];
  variadic: boolean;
  result: 'void' | 'int' | 'bool' | 'float' | 'str' | 'pointer';
  results: (number | 'any' | 'any code')[];
  same_as: string | null;
}

/** The database the dictionary checks consult: its bytes, the sample built in, or none. */
export type DictionarySource = Uint8Array | ArrayBuffer | 'sample' | null;

export interface Olvenir extends Exports {
  readonly COLUMN: typeof COLUMN;
  /** Calls an export by its name or symbol. Throws a TypeError naming the export and the
   * argument when an argument is of the wrong kind, a RangeError when it is out of range. */
  call(name: string, ...args: Argument[]): Answer;
  /** One export over rows of arguments: the answers in order. */
  checkMany(name: string, rows: Iterable<Argument[]>): Answer[];
  /** One export over a column of values, put where COLUMN stands among `fixed` (or first). */
  checkColumn(name: string, values: Iterable<Argument>, ...fixed: (Argument | typeof COLUMN)[]): Answer[];
  /** A finding's text in English or Polish; null when it is not one of the library's. */
  explain(code: number, lang?: 'en' | 'pl'): string | null;
  /** Every export of the table. */
  exports(): ExportRow[];
  /** Answers dictionary queries from another source. */
  useDictionary(source: DictionarySource): void;
  /** Bytes of the module's heap in use. */
  heapInUse(): number;
}

/** A new instance of the library, answering dictionary queries from the sample by default. */
export declare function load(options?: { dictionary?: DictionarySource }): Promise<Olvenir>;
