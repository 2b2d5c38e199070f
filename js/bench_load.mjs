// Times the first load() of a fresh Node process, and that load followed by the first
// dictionary query (which builds the sample dictionary, as every load did before the sample was
// built on demand): the median of RUNS fresh processes each, taken in turns in one run.
// Usage: node js/bench_load.mjs [RUNS]
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

const RUNS = Number(process.argv[2] ?? 11);
const index = fileURLToPath(new URL('./index.mjs', import.meta.url));
const script = (query) => `
  const start = performance.now();
  const { load } = await import(${JSON.stringify(index)});
  const olv = await load();
  ${query ? "olv.fb_KVTPoleRodzajDokumentu('1');" : ''}
  console.log(performance.now() - start);`;

const times = { load: [], 'load + first dictionary query': [] };
for (let r = 0; r < RUNS; ++r) {
  for (const [label, list] of Object.entries(times)) {
    const out = execFileSync(process.execPath, ['--input-type=module', '-e', script(label !== 'load')]);
    list.push(Number(out.toString()));
  }
}
const median = (l) => l.sort((a, b) => a - b)[l.length >> 1];
console.log(`ms from import to answer, median of ${RUNS} fresh processes`);
for (const [label, list] of Object.entries(times)) console.log(`${label}\t${median(list).toFixed(1)}`);
