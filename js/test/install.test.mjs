// The tarball `npm pack` made installs into an empty folder and answers there, from its own files.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('..', import.meta.url));
const tarball = readdirSync(here).find((f) => /^olvenir_p-.*\.tgz$/.test(f));

test('the packed tarball installs into an empty folder and answers', { skip: !tarball && 'no tarball: run npm pack in js/' }, () => {
  const dir = mkdtempSync(join(tmpdir(), 'olv-install-'));
  try {
    execFileSync('npm', ['install', '--offline', '--no-audit', '--no-fund', '--silent', join(here, tarball)], { cwd: dir });
    const script = "import { load } from 'olvenir_p'; const o = await load(); console.log(o.f_KVTElem(121, '44051401359', 11) === 0, o.explain(60005401, 'en'));";
    const out = execFileSync('node', ['--input-type=module', '-e', script], { cwd: dir, encoding: 'utf8' });
    assert.match(out, /^true invalid PESEL number/);
    const packaged = join(dir, 'node_modules/olvenir_p');
    const size = ['package.json', 'index.mjs', 'index.d.ts', 'dist/exports.d.ts', 'dist/olvenir_p_wasm.mjs', 'dist/olvenir_p_wasm.wasm']
      .reduce((sum, f) => sum + statSync(join(packaged, f)).size, 0);
    assert.ok(size < 1_500_000, `the package is ${size} bytes`);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
